// The print manager window on a stand-in program directory, with every
// dialog answered by the test: file names, fonts, colours, questions and the
// print dialog are queued replies, and each dialog that was asked is
// recorded.
#pragma once

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "fullscreen/viewfixture.h"
#include "platform/widgets/dialogs.h"
#include "ui/print/tform5.h"
#include "ui/print/tform6.h"

namespace kl::test {

class PrintUiTest : public ViewTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // The window's script as the memo shows it.
    std::vector<std::string> memoLines() const;
    void setMemo(const std::vector<std::string>& lines);

    std::unique_ptr<TForm5> form;
    std::unique_ptr<TForm6> setup;

    // Replies, taken in order; an empty queue cancels the dialog.
    std::deque<std::optional<platform::FileChoice>> files;
    std::deque<std::optional<platform::FontChoice>> fonts;
    std::deque<std::optional<platform::Rgb>> colours;
    std::deque<platform::Answer> answers;
    std::deque<std::function<bool(QPrinter&)>> prints;
    // What was asked.
    std::vector<platform::FileRequest> fileRequests;
    std::vector<std::string> questions;
    int colourRequests = 0;

private:
    platform::FileHandler oldFile_;
    platform::FontHandler oldFont_;
    platform::ColourHandler oldColour_;
    platform::QuestionHandler oldQuestion_;
    platform::PrintHandler oldPrint_;
};

}  // namespace kl::test
