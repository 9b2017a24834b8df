#include "ui/startup.h"

int main(int argc, char** argv)
{
    // The program reads no command line: only its own name is passed on.
    return mostaric::ui::runProgram(argc > 0 ? argv[0] : nullptr);
}
