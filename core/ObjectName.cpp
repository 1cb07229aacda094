#include "ObjectName.h"

namespace bitloom::core {

std::string objectName(std::string_view name, int index)
{
    std::string result(name);
    if (index < 0)
        return result;
    result += '(';
    result += std::to_string(index);
    result += ')';
    return result;
}

} // namespace bitloom::core
