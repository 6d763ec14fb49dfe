#include "desktop/DesktopTextMap.h"

#include <algorithm>

namespace DesktopTextMap {

QString ToQt(const std::u16string& model)
{
    QString out;
    out.reserve(static_cast<qsizetype>(model.size()));
    for (size_t i = 0; i < model.size(); ++i) {
        char16_t c = model[i];
        if (c == u'\r') {
            if (i + 1 < model.size() && model[i + 1] == u'\n') ++i;
            out += QChar('\n');
        } else {
            out += QChar(c);
        }
    }
    return out;
}

std::u16string ToModel(const QString& qt, bool rich)
{
    std::u16string out;
    out.reserve(static_cast<size_t>(qt.size()));
    for (QChar c : qt) {
        if (c == QChar('\n') || c == QChar::ParagraphSeparator || c == QChar::LineSeparator) {
            out += rich ? u"\r" : u"\r\n";
        } else {
            out += static_cast<char16_t>(c.unicode());
        }
    }
    return out;
}

int ToQtPos(const std::u16string& model, int position, bool rich)
{
    int qt = 0;
    int end = std::min<int>(position, static_cast<int>(model.size()));
    if (rich) return std::max(0, end);
    for (int i = 0; i < end; ++i) {
        // The '\n' of "\r\n" is no character of its own in Qt's copy.
        if (model[static_cast<size_t>(i)] == u'\n' && i > 0 && model[static_cast<size_t>(i) - 1] == u'\r') continue;
        ++qt;
    }
    return qt;
}

int ToModelPos(const std::u16string& model, int qtPosition, bool rich)
{
    if (rich) return std::clamp(qtPosition, 0, static_cast<int>(model.size()));
    int qt = 0;
    size_t i = 0;
    while (i < model.size() && qt < qtPosition) {
        if (model[i] == u'\r' && i + 1 < model.size() && model[i + 1] == u'\n') ++i;
        ++i;
        ++qt;
    }
    return static_cast<int>(i);
}

} // namespace DesktopTextMap
