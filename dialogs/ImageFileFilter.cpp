#include "dialogs/ImageFileFilter.h"

#include <QStringList>

#include "dialogs/QtText.h"

namespace tolva {

QString QtFileFilter(std::string_view pipeSeparated) {
  const QStringList parts = Tr(text_context::kDialogs, pipeSeparated).split(QLatin1Char('|'));
  QStringList groups;
  // Pairs of text and patterns; the empty entries of the closing "||" end it.
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QString text = parts[i].trimmed();
    const QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
    if (text.isEmpty() && patterns.isEmpty()) break;
    groups << text + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
  }
  return groups.join(QStringLiteral(";;"));
}

}  // namespace tolva
