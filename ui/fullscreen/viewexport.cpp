#include "ui/fullscreen/viewexport.h"

#include "layout/scriptpage.h"
#include "print/rewrite.h"

#include "ui/fullscreen/dispatcher.h"
#include "ui/fullscreen/fullstate.h"
#include "ui/fullscreen/modes.h"

namespace kl {

namespace {

constexpr int kYearMode = 9;
// The year's title lines that the year view writes last into its sub-script
// and that belong on the main page.
constexpr std::size_t kYearTitleLines = 6;
// The print manager passes small levels of its own; they only reach a
// failure report.
constexpr std::uint8_t kExportLevel = 4;

}  // namespace

bool exportView(int mode, ScriptSink& sink) {
    const ModeEntry* entry = findMode(mode);
    if (!entry || !entry->exportHeader) return false;
    sink.lines.clear();
    if (mode == kYearMode) {
        sink.yearExportList.clear();
        pb2ys = 0;
        pb2yt = 0;
    }
    sink.append(entry->exportHeader);
    sink.canvasWidth = entry->pageWidth;
    sink.canvasHeight = entry->pageHeight;
    // The script carries its page size wherever it goes.
    sink.append(layout::pageSizeLine(entry->pageWidth, entry->pageHeight));
    paintall(mode, kExportLevel, &sink);
    if (mode == kYearMode) {
        if (_TEXTGRAPHIC) sink.append(kYearLine);
        print::moveYearTail(sink.yearExportList, sink.lines, kYearTitleLines);
    }
    return true;
}

std::vector<std::string> selfContained(const ScriptSink& sink) {
    return print::inlineYearList(sink.lines, sink.yearExportList);
}

}  // namespace kl
