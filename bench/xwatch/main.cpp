// quenvalle-xwatch COMMAND ...: the benchmark's eyes on the X display and on
// /proc; Commands.h lists what it can do.

#include "Commands.h"

#include <cstdio>
#include <exception>
#include <string_view>

int main(int argc, char **argv)
{
    const std::span<char *> arguments(argv, static_cast<std::size_t>(argc));
    const struct {
        std::string_view name;
        int (*run)(std::span<char *>);
    } commands[] {{"launch", launch}, {"click-popup", clickToPopup}, {"click", click}, {"spend", spend}};

    if (arguments.size() >= 2) {
        for (const auto &command : commands) {
            if (command.name != arguments[1])
                continue;
            try {
                return command.run(arguments.subspan(2));
            } catch (const std::exception &error) {
                std::fprintf(stderr, "quenvalle-xwatch %s: %s\n", arguments[1], error.what());
                return 1;
            }
        }
    }
    std::fprintf(stderr, "usage: quenvalle-xwatch launch|click-popup|click|spend ... (see Commands.h)\n");
    return 2;
}
