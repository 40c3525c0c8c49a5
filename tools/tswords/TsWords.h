// The translations of one context of a Qt translation file (.ts), read
// straight from its XML: the generators run at build time, before and apart
// from the program's compiled translations, and draw the English words the
// translators wrote there, never a second list of their own.
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

namespace tolva::tswords {

class TsWords {
 public:
  // Reads the finished translations of `context` from `tsFile`. A file that
  // cannot be read or parsed leaves the words empty and says why in Error().
  static TsWords Read(const QString& tsFile, const QString& context);

  bool Ok() const { return error_.isEmpty(); }
  const QString& Error() const { return error_; }

  // The translation of the Japanese source text; empty when there is none.
  QString Of(const QString& japanese) const { return words_.value(japanese); }
  bool Has(const QString& japanese) const { return words_.contains(japanese); }
  int Count() const { return static_cast<int>(words_.size()); }

  // The Japanese texts among `japanese` that have no finished translation.
  QStringList Missing(const QStringList& japanese) const;

 private:
  QHash<QString, QString> words_;
  QString error_;
};

}  // namespace tolva::tswords
