// The paper a page is printed or written on: the sheet sizes the command
// line names, the locale's own paper, and which way up a page goes.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include <QPageLayout>
#include <QPageSize>

namespace kl::print {

enum class Paper { A4, A5, A3, Letter, Legal };
enum class Orientation { Auto, Portrait, Landscape };

// "A4", "A5", "A3", "Letter", "Legal" in any letter case.
std::optional<Paper> paperNamed(std::string_view name);
const char* paperName(Paper paper);
QPageSize pageSizeOf(Paper paper);

// The paper of a sheet width x height millimetres in either orientation
// (within 2 mm), or nullopt for a size that is none of them.
std::optional<Paper> paperOfMillimetres(int width, int height);
// The paper the locale's LC_PAPER names; A4 when it names none of them.
Paper localePaper();

// "auto", "portrait", "landscape" in any letter case.
std::optional<Orientation> orientationNamed(std::string_view name);
// Auto turns a page wider than high to landscape, any other to portrait.
QPageLayout::Orientation orientationFor(Orientation orientation, int pageWidth, int pageHeight);

// The whole sheet, no margins of its own: the page's margin is the fitting's.
QPageLayout sheetLayout(Paper paper, QPageLayout::Orientation orientation);

}  // namespace kl::print
