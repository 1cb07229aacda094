#include "InputFile.h"

#include "FileReader.h"
#include "Messages.h"
#include "StreamReader.h"

#include <utility>

namespace bitloom::cli {

InputFile readInputFile(std::string_view operand, std::istream &in)
{
    InputFile file{.name = operand};
    FileContents contents = operand == messages::standardInput
                                ? readStreamContents(in, maxFileBytes)
                                : readFileContents(std::string(operand));
    if (!contents.error.empty()) {
        file.error = std::move(contents.error);
        return file;
    }
    file.decoded = decodeText(std::move(contents.text));
    file.error = file.decoded.error;
    return file;
}

} // namespace bitloom::cli
