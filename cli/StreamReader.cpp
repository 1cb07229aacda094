#include "StreamReader.h"

#include "Messages.h"
#include "TextDecoder.h"

#include <cstring>
#include <vector>

namespace bitloom::cli {

FileContents readStreamContents(std::istream &in, std::size_t maxBytes, FileContents contents)
{
    std::vector<char> block(std::size_t{1} << 20);
    while (in) {
        in.read(block.data(), static_cast<std::streamsize>(block.size()));
        const auto count = static_cast<std::size_t>(in.gcount());
        if (count > maxBytes - contents.text.size())
            return {{}, messages::fileTooLarge(maxBytes)};
        contents.text.append(block.data(), count);
        if (std::memchr(block.data(), '\0', count) != nullptr && !startsWithWideMark(contents.text))
            break;
    }
    if (in.bad())
        return {{}, messages::readError()};
    return contents;
}

} // namespace bitloom::cli
