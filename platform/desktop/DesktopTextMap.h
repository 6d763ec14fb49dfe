#pragma once
// Positions in an edit model's text and in Qt's copy of it. A plain edit keeps "\r\n"
// line ends where Qt has one '\n'; a rich edit's '\r' paragraph end is one character in both.
#include <QString>

#include <string>

namespace DesktopTextMap {
QString ToQt(const std::u16string& model);
// The model's line end for a Qt text (U+2029 and '\n' are Qt's paragraph ends).
std::u16string ToModel(const QString& qt, bool rich);
// A rich edit's positions are the same in both, which spares a walk over a long text.
int ToQtPos(const std::u16string& model, int position, bool rich = false);
int ToModelPos(const std::u16string& model, int qtPosition, bool rich = false);
} // namespace DesktopTextMap
