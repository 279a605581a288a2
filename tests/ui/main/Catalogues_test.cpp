// Both catalogues hold every text of the translated sources, each finished
// and keeping its fields (%1...) and its access key.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

namespace tarvel::test {
namespace {

struct Message {
  QString context;
  QString source;
  QString translation;
  QString type;  // "unfinished", "vanished", "obsolete" or empty
};

std::vector<Message> ReadCatalogue(const QString& path) {
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
  std::vector<Message> messages;
  QXmlStreamReader xml(&file);
  QString context;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (xml.name() == QLatin1String("name")) context = xml.readElementText();
    if (xml.name() == QLatin1String("message")) messages.push_back({context, {}, {}, {}});
    if (xml.name() == QLatin1String("source")) messages.back().source = xml.readElementText();
    if (xml.name() == QLatin1String("translation")) {
      messages.back().type = xml.attributes().value("type").toString();
      messages.back().translation = xml.readElementText();
    }
  }
  EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
  return messages;
}

QStringList Marks(const QString& text, const QString& pattern) {
  QStringList marks;
  for (const QRegularExpressionMatch& mark : QRegularExpression(pattern).globalMatch(text)) marks << mark.captured();
  marks.sort();
  marks.removeDuplicates();
  return marks;
}

QString Line(const Message& message, const QString& why) {
  return QString("%1 [%2] \"%3\"").arg(why, message.context, message.source.left(70));
}

const QStringList kCatalogues = QString(TARVEL_TS_FILES).split(',');

TEST(CataloguesTest, EveryTextIsTranslatedWithItsFieldsAndAccessKey) {
  for (const QString& path : kCatalogues) {
    QStringList problems;
    for (const Message& message : ReadCatalogue(path)) {
      if (!message.type.isEmpty()) problems << Line(message, message.type);
      if (message.translation.isEmpty()) problems << Line(message, "empty");
      if (Marks(message.translation, "%\\d") != Marks(message.source, "%\\d")) problems << Line(message, "fields");
      if (Marks(message.translation, "&\\w") != Marks(message.source, "&\\w")) problems << Line(message, "key");
    }
    EXPECT_TRUE(problems.isEmpty()) << QFileInfo(path).fileName().toStdString() << ":\n"
                                    << problems.join('\n').toStdString();
  }
}

// lupdate over the sources, into copies of the catalogues: a text it adds
// is missing from them, a text it finds gone is one no source has any more.
TEST(CataloguesTest, TheCataloguesHoldEveryTextOfTheSourcesAndNoOther) {
  QTemporaryDir folder;
  for (const QString& path : kCatalogues) {
    const QString copy = folder.filePath(QFileInfo(path).fileName());
    ASSERT_TRUE(QFile::copy(path, copy));
    QFile::setPermissions(copy, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QProcess lupdate;
    lupdate.start(TARVEL_LUPDATE, {"-locations", "none", QString("@") + TARVEL_TRANSLATED_SOURCES, "-ts", copy});
    ASSERT_TRUE(lupdate.waitForFinished(60000));
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();
    QStringList differences;
    for (const Message& message : ReadCatalogue(copy)) {
      if (message.type == "unfinished") differences << Line(message, "not in the catalogue");
      if (message.type == "vanished" || message.type == "obsolete") differences << Line(message, "in no source");
    }
    EXPECT_TRUE(differences.isEmpty()) << QFileInfo(path).fileName().toStdString() << ":\n"
                                       << differences.join('\n').toStdString();
  }
}

}  // namespace
}  // namespace tarvel::test
