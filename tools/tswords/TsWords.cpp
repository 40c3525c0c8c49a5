#include "tools/tswords/TsWords.h"

#include <QFile>
#include <QXmlStreamReader>

namespace tolva::tswords {

namespace {

// One <message>: its source, its translation and whether the translation is
// finished (no type="unfinished", "vanished" or "obsolete").
struct Message {
  QString source;
  QString translation;
  bool finished = false;
};

Message ReadMessage(QXmlStreamReader& xml) {
  Message message;
  while (xml.readNextStartElement()) {
    if (xml.name() == QLatin1String("source")) {
      message.source = xml.readElementText();
    } else if (xml.name() == QLatin1String("translation")) {
      message.finished = xml.attributes().value(QLatin1String("type")).isEmpty();
      message.translation = xml.readElementText();
    } else {
      xml.skipCurrentElement();
    }
  }
  return message;
}

}  // namespace

TsWords TsWords::Read(const QString& tsFile, const QString& context) {
  TsWords words;
  QFile file(tsFile);
  if (!file.open(QIODevice::ReadOnly)) {
    words.error_ = QStringLiteral("cannot read %1: %2").arg(tsFile, file.errorString());
    return words;
  }
  QXmlStreamReader xml(&file);
  if (xml.readNextStartElement() && xml.name() == QLatin1String("TS")) {
    while (xml.readNextStartElement()) {
      if (xml.name() != QLatin1String("context")) {
        xml.skipCurrentElement();
        continue;
      }
      bool ours = false;
      while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1String("name")) {
          ours = xml.readElementText() == context;
        } else if (xml.name() == QLatin1String("message") && ours) {
          const Message message = ReadMessage(xml);
          if (message.finished && !message.translation.isEmpty())
            words.words_.insert(message.source, message.translation);
        } else {
          xml.skipCurrentElement();
        }
      }
    }
  } else if (!xml.hasError()) {
    xml.raiseError(QStringLiteral("not a Qt translation file"));
  }
  if (xml.hasError()) {
    words.words_.clear();
    words.error_ = QStringLiteral("%1:%2: %3").arg(tsFile).arg(xml.lineNumber()).arg(xml.errorString());
  }
  return words;
}

QStringList TsWords::Missing(const QStringList& japanese) const {
  QStringList missing;
  for (const QString& text : japanese) {
    if (!Has(text)) missing << text;
  }
  return missing;
}

}  // namespace tolva::tswords
