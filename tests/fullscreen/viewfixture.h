// A program directory for the full-screen renderers: a database whose line
// n reads "Ln" (with overrides), the text pages, figure files, and stand-in
// pictures of the promised sizes, so views can be drawn and exported
// without the shipped art.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "core/calendar.h"
#include "platform/picture.h"
#include "support/testsupport.h"
#include "print/scriptsink.h"

namespace kl::test {

class ViewTest : public ProgramDirTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Line n of BASE.DRS reads "Ln" unless overridden.
    void writeDatabase(const std::map<int, std::string>& overrides = {});
    // A picture of one colour with a border of the key colour.
    void writeSign(int code, platform::Rgb fill);
    void writePicture(const std::string& name, int w, int h, platform::Rgb fill);
    // Every sign picture of codes 0..442 as a stand-in of its promised size
    // (boards 40 x 40), each a colour of its own.
    void writeAllSigns();
    // The telektonon's pieces: 33 x 33 turtles, pyramids and seal marker,
    // 20 x 20 stars, each a colour of its own (pieceColour) over a white
    // mask that shows it whole.
    void writeTelektononPieces();
    void setDate(int year, int month, int day);

    // The script the print manager's export leaves, one line per entry.
    std::vector<std::string> exportLines(int mode, bool glyphs);

    int reports() const { return static_cast<int>(recorded().messages.size()); }
};

// The colour a stand-in sign picture is filled with.
platform::Rgb signColour(int code);
// The colour of a stand-in piece picture, by its file name ("graphic\trY0.bmp").
platform::Rgb pieceColour(const std::string& file);

}  // namespace kl::test
