#include "print/paper.h"

#include <langinfo.h>

#include <cctype>
#include <clocale>
#include <cstdint>
#include <cstdlib>

namespace kl::print {

namespace {

struct PaperRow {
    Paper paper;
    const char* name;
    QPageSize::PageSizeId id;
    int width, height;  // millimetres, portrait
};
constexpr PaperRow kPapers[] = {
    {Paper::A4, "A4", QPageSize::A4, 210, 297},
    {Paper::A5, "A5", QPageSize::A5, 148, 210},
    {Paper::A3, "A3", QPageSize::A3, 297, 420},
    {Paper::Letter, "Letter", QPageSize::Letter, 216, 279},
    {Paper::Legal, "Legal", QPageSize::Legal, 216, 356},
};

bool sameWord(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
    return true;
}

const PaperRow& row(Paper paper) {
    for (const PaperRow& r : kPapers)
        if (r.paper == paper) return r;
    return kPapers[0];
}

}  // namespace

std::optional<Paper> paperNamed(std::string_view name) {
    for (const PaperRow& r : kPapers)
        if (sameWord(name, r.name)) return r.paper;
    return std::nullopt;
}

const char* paperName(Paper paper) { return row(paper).name; }

QPageSize pageSizeOf(Paper paper) { return QPageSize(row(paper).id); }

std::optional<Paper> paperOfMillimetres(int width, int height) {
    const auto near = [](int a, int b) { return std::abs(a - b) <= 2; };
    for (const PaperRow& r : kPapers)
        if ((near(width, r.width) && near(height, r.height)) || (near(width, r.height) && near(height, r.width)))
            return r.paper;
    return std::nullopt;
}

Paper localePaper() {
    // Only the paper category is taken from the environment here.
    const char* old = std::setlocale(LC_PAPER, nullptr);
    const std::string saved = old ? old : "C";
    std::setlocale(LC_PAPER, "");
    const auto width = static_cast<int>(reinterpret_cast<std::intptr_t>(nl_langinfo(_NL_PAPER_WIDTH)));
    const auto height = static_cast<int>(reinterpret_cast<std::intptr_t>(nl_langinfo(_NL_PAPER_HEIGHT)));
    std::setlocale(LC_PAPER, saved.c_str());
    return paperOfMillimetres(width, height).value_or(Paper::A4);
}

std::optional<Orientation> orientationNamed(std::string_view name) {
    if (sameWord(name, "auto")) return Orientation::Auto;
    if (sameWord(name, "portrait")) return Orientation::Portrait;
    if (sameWord(name, "landscape")) return Orientation::Landscape;
    return std::nullopt;
}

QPageLayout::Orientation orientationFor(Orientation orientation, int pageWidth, int pageHeight) {
    switch (orientation) {
    case Orientation::Portrait: return QPageLayout::Portrait;
    case Orientation::Landscape: return QPageLayout::Landscape;
    case Orientation::Auto: break;
    }
    return pageWidth > pageHeight ? QPageLayout::Landscape : QPageLayout::Portrait;
}

QPageLayout sheetLayout(Paper paper, QPageLayout::Orientation orientation) {
    return QPageLayout(pageSizeOf(paper), orientation, QMarginsF(0, 0, 0, 0));
}

}  // namespace kl::print
