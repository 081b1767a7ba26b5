#include "print/report.h"

#include "data/errorlog.h"
#include "data/textdb.h"
#include "layout/baselines.h"
#include "platform/system.h"

namespace kl::print {

namespace {

namespace msg = layout::base::printmessage;


const LineFailure* firstOf(const RunResult& r, bool pictures) {
    for (const LineFailure& f : r.failures)
        if ((f.kind == LineFailure::Kind::MissingPicture) == pictures) return &f;
    return nullptr;
}

std::string where(const LineFailure& f) {
    return (f.inYearList ? "year sub-script line " : "line ") + std::to_string(f.index);
}

}  // namespace

std::string runSummary(const RunResult& r) {
    std::string text;
    const auto addLine = [&text](const std::string& s) {
        if (!text.empty()) text += "\n";
        text += s;
    };
    if (r.refused) addLine(r.refusal);
    if (r.failedLines > 0) {
        const LineFailure* f = firstOf(r, false);
        addLine("ERROR! ERROR CODE:" + std::to_string(f ? f->code : 106));
        if (f && f->kind == LineFailure::Kind::Unreadable && !f->inYearList)
            addLine("Syntax error at line " + std::to_string(f->index));
        else if (f)
            addLine(where(*f) + ": " + f->detail);
        if (r.failedLines > 1)
            addLine(baseLineOr(msg::kFailedLines, "Lines failed in this run:") + " " + std::to_string(r.failedLines) + ". " +
                    baseLineOr(msg::kLinesMarked, "The lines that cannot be read are marked."));
    }
    if (r.missingPictures > 0) {
        addLine(kMissingFileMessage);
        if (const LineFailure* f = firstOf(r, true)) addLine(f->detail);
        if (r.missingPictures > 1) addLine(baseLineOr(msg::kPicturesNotDrawn, "Pictures not drawn:") + " " + std::to_string(r.missingPictures) + ".");
    }
    if (r.aborted) addLine(kRunFailedMessage);
    return text;
}

void reportRun(const RunResult& r) {
    for (const LineFailure& f : r.failures) {
        if (f.kind == LineFailure::Kind::MissingPicture) continue;
        Details details;
        if (f.reportLines.empty()) details[0] = "string:" + f.line;
        for (std::size_t i = 0; i < f.reportLines.size() && i < details.size(); ++i) details[i] = f.reportLines[i];
        if (!logerror(f.code, f.sender, details)) return;
    }
    const std::string text = runSummary(r);
    if (!text.empty()) platform::showMessage(text);
}

std::string failureLine(const LineFailure& f) {
    std::string what;
    switch (f.kind) {
    case LineFailure::Kind::Unreadable: what = "cannot be read (" + f.detail + ")"; break;
    case LineFailure::Kind::DrawFailed: what = "cannot be drawn (" + f.detail + ")"; break;
    case LineFailure::Kind::MissingPicture: what = "picture not drawn (" + f.detail + ")"; break;
    }
    // Terminals and editors count lines from 1.
    return (f.inYearList ? "year sub-script line " : "line ") + std::to_string(f.index + 1) + ": " + what + ": " + f.line;
}

std::string failureLines(const RunResult& r, const std::string& prefix) {
    std::string out;
    for (const LineFailure& f : r.failures) out += prefix + failureLine(f) + "\n";
    const int unlisted = r.failedLines + r.missingPictures - static_cast<int>(r.failures.size());
    if (unlisted > 0) out += prefix + std::to_string(unlisted) + " more failures not listed\n";
    if (r.refused) out += prefix + r.refusal + "\n";
    if (r.aborted) out += prefix + "the run ended early: " + std::string(kRunFailedMessage) + "\n";
    return out;
}

}  // namespace kl::print
