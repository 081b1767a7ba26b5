#include "printui/printuifixture.h"

#include <QPlainTextEdit>
#include <QTextDocument>

#include "ui/fullscreen/fullstate.h"

namespace kl::test {

void PrintUiTest::SetUp() {
    ViewTest::SetUp();
    // The print manager's messages, past the views' lines.
    std::vector<std::string> base;
    for (int i = 0; i <= 763; ++i) base.push_back(i < 669 || i >= 746 ? "L" + std::to_string(i) : "");
    writeLines("BASE.DRS", base);
    writeAllSigns();
    writePicture("moon2.bmp", 64, 64, {230, 230, 210});
    oldFile_ = platform::setFileHandler([this](const platform::FileRequest& r) -> std::optional<platform::FileChoice> {
        fileRequests.push_back(r);
        if (files.empty()) return std::nullopt;
        auto reply = files.front();
        files.pop_front();
        return reply;
    });
    oldFont_ = platform::setFontHandler([this](const platform::FontChoice&) -> std::optional<platform::FontChoice> {
        if (fonts.empty()) return std::nullopt;
        auto reply = fonts.front();
        fonts.pop_front();
        return reply;
    });
    oldColour_ = platform::setColourHandler([this](platform::Rgb, const std::string&) -> std::optional<platform::Rgb> {
        ++colourRequests;
        if (colours.empty()) return std::nullopt;
        auto reply = colours.front();
        colours.pop_front();
        return reply;
    });
    oldQuestion_ = platform::setQuestionHandler([this](const std::string& text) {
        questions.push_back(text);
        if (answers.empty()) return platform::Answer::Cancel;
        const auto a = answers.front();
        answers.pop_front();
        return a;
    });
    oldPrint_ = platform::setPrintHandler([this](QPrinter& printer) {
        if (prints.empty()) return false;
        auto reply = prints.front();
        prints.pop_front();
        return reply(printer);
    });
    form = std::make_unique<TForm5>();
    setup = std::make_unique<TForm6>(form.get());
    form->setSetupDialog(setup.get());
    // No printer: fitting uses the fallback paper.
    form->paperQuery = [] { return std::optional<print::PaperSize>{}; };
}

void PrintUiTest::TearDown() {
    setup.reset();
    form.reset();
    platform::setFileHandler(std::move(oldFile_));
    platform::setFontHandler(std::move(oldFont_));
    platform::setColourHandler(std::move(oldColour_));
    platform::setQuestionHandler(std::move(oldQuestion_));
    platform::setPrintHandler(std::move(oldPrint_));
    ViewTest::TearDown();
}

std::vector<std::string> PrintUiTest::memoLines() const {
    QString text = form->Memo1->document()->toRawText();
    text.replace(QChar(0x2029), QChar('\n'));
    std::vector<std::string> lines;
    if (!text.isEmpty())
        for (const QString& l : text.split('\n')) lines.push_back(l.toStdString());
    return lines;
}

void PrintUiTest::setMemo(const std::vector<std::string>& lines) {
    QStringList l;
    for (const auto& s : lines) l << QString::fromStdString(s);
    // As typed by the user.
    form->Memo1->selectAll();
    form->Memo1->insertPlainText(l.join('\n'));
}

}  // namespace kl::test
