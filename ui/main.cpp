#include "ui/startup.h"

int main(int argc, char** argv) { return mostaric::ui::runProgram(argc, argv); }
