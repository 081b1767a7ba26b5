// Drawing on a picture: fonts by face, pixel height and weight; text with
// its width; turned text; lines, boxes, ellipses, pies and arcs. The views
// draw through this and never include the toolkit's painting headers.
//
// Conventions of the drawing calls: boxes are (left, top) to (right, bottom)
// with the right and bottom edges outside; pies and arcs run counter-clockwise
// from the ray through (x3, y3) to the ray through (x4, y4); a text is placed
// by the top-left corner of its line box. Text is UTF-8.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "layout/colour.h"
#include "platform/picture.h"

namespace kl::platform {

struct FontSpec {
    std::string face;     // the requested face; the font system may substitute
    int pixelHeight = 13; // character height in pixels; the sign is ignored
    bool bold = false;
    bool italic = false;
    friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

// Width in pixels of `text` in `font`, as the painter would draw it.
int textWidth(const FontSpec& font, std::string_view text);
// Height in pixels of a line box in `font`: its ascent and descent.
int lineHeight(const FontSpec& font);
// The box the letters of `text` ink, relative to the top-left corner of
// its line box (empty for a text that inks nothing, such as a space).
struct InkBox {
    int left = 0, top = 0, width = 0, height = 0;
};
InkBox inkBox(const FontSpec& font, std::string_view text);

class Painter {
public:
    explicit Painter(Picture& picture);
    ~Painter();
    Painter(const Painter&) = delete;
    Painter& operator=(const Painter&) = delete;

    void setFont(const FontSpec& font);
    const FontSpec& font() const { return font_; }
    void setTextColour(Rgb c);
    int textWidth(std::string_view text) const;
    // Draws the text with its line box's top-left corner at (x, y),
    // without a background.
    void text(int x, int y, std::string_view text);
    // The same, turned counter-clockwise by `tenths` tenths of a degree about
    // (x, y) (the text's escapement).
    void textTurned(int x, int y, std::string_view text, int tenths);

    void setPen(Rgb c, int width = 1);
    void setBrush(Rgb c);
    void line(int x1, int y1, int x2, int y2);
    void rectangle(int left, int top, int right, int bottom);  // pen and brush
    void fillRect(int left, int top, int right, int bottom, Rgb c);
    void ellipse(int left, int top, int right, int bottom);
    void pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    void arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);

private:
    struct Impl;
    std::unique_ptr<Impl> d_;
    FontSpec font_;
};

}  // namespace kl::platform
