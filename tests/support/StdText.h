// Qt byte arrays and strings to and from the standard views the command's
// code takes and gives.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace bitloom::tests {

inline std::string_view view(const QByteArray &bytes)
{
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

inline QByteArray bytes(std::string_view text)
{
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

inline QString text(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// Command-line arguments as the program receives them: views into strings
// this object keeps, so it must outlive whatever holds the views.
class Arguments {
public:
    explicit Arguments(const QStringList &arguments)
    {
        for (const QString &argument : arguments)
            storage.push_back(argument.toStdString());
        views.assign(storage.begin(), storage.end());
    }

    std::span<const std::string_view> list() const { return views; }

private:
    std::vector<std::string> storage;
    std::vector<std::string_view> views;
};

} // namespace bitloom::tests
