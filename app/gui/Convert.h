#pragma once
// Texts and colours between the window logic (std::string, "#rrggbb") and
// the widgets (QString, QColor). Texts are UTF-8 on both sides.

#include <QColor>
#include <QString>

#include <string>
#include <string_view>

namespace sylvanor {

inline QString Q(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string S(const QString& text) {
  return text.toStdString();
}

inline QColor ColorOf(std::string_view text) {
  return QColor(Q(text));
}

}  // namespace sylvanor
