#include "tools/picgen/signs.h"
namespace kl::picgen {
void generateFramesAndMarks(const Output&) {}
void generateLineFigures(const Output&) {}
void generateMoonSigns(const Output&) {}
void generateVinals(const Output&) {}
}
