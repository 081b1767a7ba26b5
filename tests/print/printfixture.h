// A print state on a fresh program directory, with helpers to run scripts
// and look at the page.
#pragma once

#include <string>
#include <vector>

#include "platform/picture.h"
#include "print/interpreter.h"
#include "support/testsupport.h"

namespace kl::print::test {

using platform::Picture;
using platform::Rgb;

inline constexpr Rgb kWhite{255, 255, 255};

// The box around every pixel that is not `background`; empty (width 0)
// when there is none.
struct Box {
    int left = 0, top = 0, right = -1, bottom = -1;  // inclusive
    int width() const { return right - left + 1; }
    int height() const { return bottom - top + 1; }
    bool empty() const { return right < left; }
};
Box inkBox(const Picture& p, Rgb background = kWhite);
int countNot(const Picture& p, Rgb background = kWhite);

class PrintTest : public kl::test::ProgramDirTest {
protected:
    void SetUp() override;
    // Runs `lines` as the editor script on a fresh page of the state's size.
    RunResult show(std::vector<std::string> lines);
    // Writes a bitmap file under the program directory.
    void writeBitmap(const std::string& name, const Picture& p) const;

    PrintState state;
    Picture page;
};

}  // namespace kl::print::test
