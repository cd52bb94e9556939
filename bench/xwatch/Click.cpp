#include "Commands.h"
#include "XDisplay.h"

#include <stdexcept>
#include <string>

int click(std::span<char *> words)
{
    if (words.size() != 3)
        throw std::runtime_error("usage: click WINDOW X Y");
    XDisplay display;
    display.click(static_cast<xcb_window_t>(std::stoul(words[0])), std::stoi(words[1]), std::stoi(words[2]));
    return 0;
}
