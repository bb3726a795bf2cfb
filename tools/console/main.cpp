#include "eventlines.h"
#include "script.h"

#include <fstream>
#include <iostream>
#include <string_view>

int main(int argc, char** argv)
{
    if (argc > 2 || (argc == 2 && (std::string_view(argv[1]) == "--help"))) {
        std::cerr << "usage: nablo-console [SCRIPT]\n"
                     "Runs a script of clicks and procedure calls on the game and prints what "
                     "happens as JSON Lines; reads standard input without SCRIPT.\n";
        return argc > 2 ? 2 : 0;
    }
    if (argc == 2) {
        std::ifstream file(argv[1]);
        if (!file) {
            std::cerr << "nablo-console: cannot open " << nablo::console::printable(argv[1])
                      << '\n';
            return 2;
        }
        return nablo::console::runScript(file, std::cout, std::cerr);
    }
    return nablo::console::runScript(std::cin, std::cout, std::cerr);
}
