// Kestralune: the program entry.
#include "ui/compact/programwindows.h"

int main(int argc, char** argv) { return kl::runProgram(argc, argv); }
