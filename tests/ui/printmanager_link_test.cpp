// How the program's windows reach the print manager: the print button's
// mode shows it, the full-screen window's show loads its sizes, and the
// program's end asks about a script that was not saved and saves the sizes.
#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QPlainTextEdit>

#include "platform/widgets/dialogs.h"
#include "ui/compactfixture.h"
#include "ui/fullscreen/dispatcher.h"

namespace kl::test {
namespace {

class PrintManagerLink : public CompactTest {
protected:
    void SetUp() override {
        CompactTest::SetUp();
        oldQuestion_ = platform::setQuestionHandler([this](const std::string& q) {
            questions.push_back(q);
            return answer;
        });
    }
    void TearDown() override {
        platform::setQuestionHandler(std::move(oldQuestion_));
        CompactTest::TearDown();
    }
    std::vector<std::string> questions;
    platform::Answer answer = platform::Answer::Cancel;

private:
    platform::QuestionHandler oldQuestion_;
};

TEST_F(PrintManagerLink, WindowsAreMadeInOrderAndLinked) {
    createWindows();
    ASSERT_NE(form5, nullptr);
    ASSERT_NE(form6, nullptr);
    EXPECT_EQ(windows().form5, form5);
    EXPECT_EQ(windows().form6, form6);
    EXPECT_FALSE(form5->isVisible());
    // Mode 18 stands for the print manager.
    openModeWindow(18);
    EXPECT_TRUE(form5->isVisible());
}

TEST_F(PrintManagerLink, FullScreenShowLoadsTheSizes) {
    createWindows();
    EXPECT_FALSE(form5->fsizeLoaded());
    fullScreen().show();
    EXPECT_TRUE(form5->fsizeLoaded());
    EXPECT_EQ(form5->size(), QSize(760, 560));
    EXPECT_TRUE(form5->easyMode);
    EXPECT_FALSE(logWritten());
}

TEST_F(PrintManagerLink, QuittingWithAnUnsavedScriptAsksFirst) {
    createWindows();
    form5->Memo1->setPlainText("TEXT 0 0 cnt 'mine'");
    answer = platform::Answer::Cancel;
    EXPECT_FALSE(form1->close());
    EXPECT_EQ(questions.size(), 1u);
    EXPECT_FALSE(form1->closed);
    answer = platform::Answer::No;
    EXPECT_TRUE(form1->close());
    EXPECT_TRUE(form1->closed);
}

TEST_F(PrintManagerLink, AnUntouchedScriptQuitsWithoutAQuestion) {
    createWindows();
    EXPECT_TRUE(form1->close());
    EXPECT_TRUE(questions.empty());
}

TEST_F(PrintManagerLink, TheProgramsEndSavesTheSizesOnlyAfterALoad) {
    createWindows();
    program.reset();
    EXPECT_EQ(readFile("WindWHP.dat"), "760\r\n560\r\n10\r\n20\r\n30\r\n40\r\n50\r\n60\r\n1\r\n");
    createWindows();
    fullScreen().show();
    form5->resize(800, 580);
    program.reset();
    EXPECT_EQ(readFile("WindWHP.dat").substr(0, 10), "800\r\n580\r\n");
}

}  // namespace
}  // namespace kl::test
