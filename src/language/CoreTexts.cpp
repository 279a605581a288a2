#include "language/CoreTexts.h"

#include <QHash>
#include <QRegularExpression>
#include <algorithm>

#include "language/UiLanguage.h"

namespace tarvel {
namespace {

// Every text the core shows, as the core words it; %1, %2... stand for its
// fields. Messages are whole texts; parts are what the core puts into lists
// and other texts, and are looked for only there.
struct Wording {
  const char* source;
  bool part;
};

constexpr bool kMessage = false;
constexpr bool kPart = true;

const Wording kWordings[] = {
    // The PIC engine's results.
    {QT_TRANSLATE_NOOP("CoreTexts", "Melfort Result"), kMessage},
    {QT_TRANSLATE_NOOP("CoreTexts", "Program Error"), kMessage},
    {QT_TRANSLATE_NOOP("CoreTexts", "Completed successfully"), kMessage},
    {QT_TRANSLATE_NOOP("CoreTexts", "Failed to write.\n\nAddress    %1H\nWrite Data %2H\nRead Data  %3H"), kMessage},
    {QT_TRANSLATE_NOOP("CoreTexts",
                       "Failed to write configration fuse.\n\nAddress    %1H\nWrite Data %2H\nRead Data  %3H"),
     kMessage},
    {QT_TRANSLATE_NOOP("CoreTexts", "Failed to write ID.\n\nAddress    %1H\nWrite Data %2H\nRead Data  %3H"),
     kMessage},
    // The verify failure's address has always come without its "H".
    {QT_TRANSLATE_NOOP("CoreTexts", "Failed to verify.\n\nAddress    %1\nWrite Data %2H\nRead Data  %3H"), kMessage},
    {QT_TRANSLATE_NOOP("CoreTexts",
                       "Failed to verify configration fuse.\n\nAddress    %1H\nWrite Data %2H\nRead Data  %3H"),
     kMessage},
    {QT_TRANSLATE_NOOP("CoreTexts", "Failed to verify ID.\n\nAddress    %1H\nWrite Data %2H\nRead Data  %3H"),
     kMessage},
    {QT_TRANSLATE_NOOP("CoreTexts", "This device is not supported."), kMessage},
    {QT_TRANSLATE_NOOP("CoreTexts", "Failed to erase."), kMessage},
    {QT_TRANSLATE_NOOP("CoreTexts", "Failed to erase.\nWe can't erase this device."), kMessage},
    {QT_TRANSLATE_NOOP("CoreTexts", "Erasing finished successfully"), kMessage},
    {QT_TRANSLATE_NOOP("CoreTexts", "This device is code-protected already."), kMessage},
    {QT_TRANSLATE_NOOP("CoreTexts", "Code-protected successfully"), kMessage},
    {QT_TRANSLATE_NOOP("CoreTexts", "Compare result is the same."), kMessage},
    {QT_TRANSLATE_NOOP("CoreTexts", "Different data is found in \nAddress    %1H\nExpected   %2H\nRead Data  %3H"),
     kMessage},
    {QT_TRANSLATE_NOOP("CoreTexts",
                       "No device answers in the socket.\nPut the %1 in the socket and check the writer's connection."),
     kMessage},
    {QT_TRANSLATE_NOOP("CoreTexts",
                       "%1 is in the socket, not the %2.\nSelect the device in the socket, or put the %2 in."),
     kMessage},
    {QT_TRANSLATE_NOOP("CoreTexts", "an unknown device (ID %1H)"), kPart},
    {QT_TRANSLATE_NOOP("CoreTexts", "An unknown device (ID %1H)"), kPart},
    {QT_TRANSLATE_NOOP("CoreTexts",
                       "Cancelled at address %1H\nThe operation did not finish. The chip has left programming mode."),
     kMessage},
    {QT_TRANSLATE_NOOP("CoreTexts", "このデバイスは、対応していません。"), kMessage},
    // The serial EEPROM engine and the port.
    {QT_TRANSLATE_NOOP("CoreTexts", "デバイスセットエラー"), kMessage},
    {QT_TRANSLATE_NOOP("CoreTexts", "イレースされています。"), kMessage},
    {QT_TRANSLATE_NOOP("CoreTexts", "イレースされていません。"), kMessage},
    {QT_TRANSLATE_NOOP("CoreTexts", "イレースチェック"), kMessage},
    {QT_TRANSLATE_NOOP("CoreTexts", "ポートの設定に失敗しました。"), kMessage},
    // The HEX reader.
    {QT_TRANSLATE_NOOP("CoreTexts", "ファイルをオープンできませんでした。"), kMessage},
    {QT_TRANSLATE_NOOP("CoreTexts", "HEXファイルの読み込みに失敗しました。"), kMessage},
    {QT_TRANSLATE_NOOP("CoreTexts", "Hex ファイルを正常に読み込めません。"), kMessage},
    {QT_TRANSLATE_NOOP("CoreTexts",
                       "Line %1 of the HEX file holds a record of type %2H, which Intel HEX does not have.\n"
                       "The file was not loaded."),
     kMessage},
    {QT_TRANSLATE_NOOP("CoreTexts",
                       "Line %1 of the HEX file: the record's checksum is %2H, its bytes give %3H.\n"
                       "The file is damaged and was not loaded; build it again or take a good copy."),
     kMessage},
    {QT_TRANSLATE_NOOP("CoreTexts",
                       "Line %1 of the HEX file holds an address record (type %2H) of %3 bytes; it must have 2.\n"
                       "The file was not loaded."),
     kMessage},
    {QT_TRANSLATE_NOOP("CoreTexts",
                       "Line %1 of the HEX file gives address %2H the value %3H, but line %4 gave it %5H.\n"
                       "The file contradicts itself and was not loaded."),
     kMessage},
    // Saving files.
    {QT_TRANSLATE_NOOP("CoreTexts", "not a regular file"), kMessage},
    {QT_TRANSLATE_NOOP("CoreTexts", "INHX8M addresses end at FFFFH; save it as INHX32"), kMessage},
    // The kernel's parallel port device.
    {QT_TRANSLATE_NOOP("CoreTexts", "Unknown port type: choose a port in the write setup."), kMessage},
    {QT_TRANSLATE_NOOP("CoreTexts",
                       "%1 is a USB printer adapter. Such an adapter cannot drive single lines and cannot be used "
                       "as a writer: connect the writer to a real parallel port (on the mainboard or on a PCI or "
                       "PCIe card)."),
     kMessage},
    {QT_TRANSLATE_NOOP("CoreTexts", "No such port: the kernel has no parallel port behind %1."), kMessage},
    {QT_TRANSLATE_NOOP("CoreTexts",
                       "The parallel port %1 is busy: another program or driver is using it. Close that program and "
                       "try again."),
     kMessage},
    {QT_TRANSLATE_NOOP("CoreTexts",
                       "The parallel port %1 is busy (held by \"%2\"): another program or driver is using it. Close "
                       "that program and try again."),
     kMessage},
    {QT_TRANSLATE_NOOP("CoreTexts", "No such port: %1 does not exist."), kMessage},
    {QT_TRANSLATE_NOOP("CoreTexts",
                       "Permission denied on %1. Add yourself to group lp (\"sudo usermod -aG lp $USER\"), then log "
                       "out and in again."),
     kMessage},
    {QT_TRANSLATE_NOOP("CoreTexts",
                       "%1 is not a parallel port device: it does not answer the kernel's parallel port driver "
                       "(ppdev). Choose a device /dev/parportN."),
     kMessage},
    {QT_TRANSLATE_NOOP("CoreTexts", "Could not open %1: %2."), kMessage},
    {QT_TRANSLATE_NOOP("CoreTexts", "Could not claim %1: %2."), kMessage},
    {QT_TRANSLATE_NOOP("CoreTexts",
                       "The parallel port at %1 (%2) has no device %3: the ppdev driver is not loaded. Load it with "
                       "\"sudo modprobe ppdev\"."),
     kMessage},
    {QT_TRANSLATE_NOOP("CoreTexts",
                       "No parallel port at %1. The parallel ports of this computer are at %2. Choose the port the "
                       "writer is connected to in the write setup."),
     kMessage},
    {QT_TRANSLATE_NOOP("CoreTexts",
                       "No parallel port found, only a USB printer adapter (%1). Such an adapter cannot drive single "
                       "lines and cannot be used as a writer: connect the writer to a real parallel port (on the "
                       "mainboard or on a PCI or PCIe card)."),
     kMessage},
    {QT_TRANSLATE_NOOP("CoreTexts",
                       "No parallel port found: the kernel reports none. Check that the port is enabled in the BIOS "
                       "setup and that its drivers are loaded (\"sudo modprobe parport_pc ppdev\")."),
     kMessage},
    {QT_TRANSLATE_NOOP("CoreTexts",
                       "Could not claim the parallel port %1 for exclusive use: another driver is registered on it "
                       "(often the printer driver lp: unload it with \"sudo rmmod lp\"), or the port is gone."),
     kMessage},
    // The parts of program memory that code protection can cover.
    {QT_TRANSLATE_NOOP("CoreTexts", "All (%1H-%2H)"), kMessage},
    {QT_TRANSLATE_NOOP("CoreTexts", "Upper three quarters (%1H-%2H)"), kMessage},
    {QT_TRANSLATE_NOOP("CoreTexts", "Upper half (%1H-%2H)"), kMessage},
    {QT_TRANSLATE_NOOP("CoreTexts", "Last 256 words (%1H-%2H)"), kMessage},
    // The writer the program talks to, and why it is not the one asked for.
    {QT_TRANSLATE_NOOP("CoreTexts", "simulated"), kPart},
    {QT_TRANSLATE_NOOP("CoreTexts", "direct I/O"), kPart},
    {QT_TRANSLATE_NOOP("CoreTexts",
                       "Direct port I/O needs permission, which the start did not obtain. Tick the permission option "
                       "in the write setup and start tarvel as a user with the right to port I/O (root, or "
                       "CAP_SYS_RAWIO)."),
     kMessage},
    // What a program HEX file holds besides the program, and what does not fit.
    {QT_TRANSLATE_NOOP("CoreTexts", "the configuration word %1H"), kPart},
    {QT_TRANSLATE_NOOP("CoreTexts", "the ID %1"), kPart},
    {QT_TRANSLATE_NOOP("CoreTexts", "%1 data EEPROM byte"), kPart},
    {QT_TRANSLATE_NOOP("CoreTexts", "%1 data EEPROM bytes"), kPart},
    {QT_TRANSLATE_NOOP("CoreTexts", "program %1 word"), kPart},
    {QT_TRANSLATE_NOOP("CoreTexts", "program %1 words"), kPart},
    {QT_TRANSLATE_NOOP("CoreTexts", "data %1 byte"), kPart},
    {QT_TRANSLATE_NOOP("CoreTexts", "data %1 bytes"), kPart},
    {QT_TRANSLATE_NOOP("CoreTexts", "configuration %1H"), kPart},
    {QT_TRANSLATE_NOOP("CoreTexts", "ID %1"), kPart},
    {QT_TRANSLATE_NOOP("CoreTexts", "words %1 %2 %3 %4"), kPart},
    {QT_TRANSLATE_NOOP("CoreTexts", "program words %1H to %2H (from line %3): the %4's program memory ends at %5H"),
     kMessage},
    {QT_TRANSLATE_NOOP("CoreTexts",
                       "data EEPROM bytes %1H to %2H (from line %3): the %4 has %5 bytes of data EEPROM"),
     kMessage},
    {QT_TRANSLATE_NOOP("CoreTexts", "data EEPROM bytes (from line %1): the %2 has no data EEPROM"), kMessage},
    {QT_TRANSLATE_NOOP("CoreTexts", "ID words (from line %1): tarvel writes no ID to the %2"), kMessage},
    {QT_TRANSLATE_NOOP("CoreTexts",
                       "bytes at HEX addresses %1H to %2H (from line %3), which are no memory of the %4"),
     kMessage},
};

const QRegularExpression& FieldMark() {
  static const QRegularExpression mark(QStringLiteral("%([1-9])"));
  return mark;
}

// A wording with fields, as a pattern that takes them out of a text.
struct Pattern {
  const char* source;
  bool part;
  QRegularExpression match;
  int fields;
  qsizetype literalLength;
};

struct Table {
  QHash<QString, const Wording*> whole;
  std::vector<Pattern> patterns;  // the most specific first
};

const Table& TheTable() {
  static const Table table = [] {
    Table t;
    for (const Wording& wording : kWordings) {
      const QString source = QString::fromUtf8(wording.source);
      if (!source.contains(FieldMark())) {
        t.whole.insert(source, &wording);
        continue;
      }
      QString regex;
      QList<int> seen;
      qsizetype last = 0;
      qsizetype literal = 0;
      for (const QRegularExpressionMatch& mark : FieldMark().globalMatch(source)) {
        regex += QRegularExpression::escape(source.mid(last, mark.capturedStart() - last));
        literal += mark.capturedStart() - last;
        const int field = mark.captured(1).toInt();
        regex += seen.contains(field) ? QString("\\k<f%1>").arg(field) : QString("(?<f%1>[\\s\\S]+?)").arg(field);
        seen << field;
        last = mark.capturedEnd();
      }
      regex += QRegularExpression::escape(source.mid(last));
      literal += source.size() - last;
      t.patterns.push_back({wording.source, wording.part,
                            QRegularExpression(QRegularExpression::anchoredPattern(regex)),
                            static_cast<int>(*std::max_element(seen.begin(), seen.end())), literal});
    }
    // "ID %1" would also take "ID words (from line 3): ...": the wording with
    // more of its own text wins.
    std::stable_sort(t.patterns.begin(), t.patterns.end(),
                     [](const Pattern& a, const Pattern& b) { return a.literalLength > b.literalLength; });
    return t;
  }();
  return table;
}

// The translated wording with the fields put in, in one pass, so that a
// field that holds "%2" stays as it is.
QString Fill(const QString& wording, const QStringList& fields) {
  QString text;
  qsizetype last = 0;
  for (const QRegularExpressionMatch& mark : FieldMark().globalMatch(wording)) {
    text += wording.mid(last, mark.capturedStart() - last);
    text += fields.value(mark.captured(1).toInt() - 1);
    last = mark.capturedEnd();
  }
  return text + wording.mid(last);
}

// The wording of `text` found among the messages (and among the parts too
// when `parts`), translated; a null string when it is none of them.
QString Translate(const QString& text, bool parts);

QString TranslateField(const QString& field) {
  const QString translated = Translate(field, true);
  return translated.isNull() ? field : translated;
}

QString Translate(const QString& text, bool parts) {
  const Table& table = TheTable();
  if (const Wording* wording = table.whole.value(text); wording != nullptr && (parts || !wording->part)) {
    return CoreTexts::tr(wording->source);
  }
  for (const Pattern& pattern : table.patterns) {
    if (pattern.part && !parts) continue;
    const QRegularExpressionMatch found = pattern.match.match(text);
    if (!found.hasMatch()) continue;
    QStringList fields;
    for (int field = 1; field <= pattern.fields; ++field) {
      fields << TranslateField(found.captured(QString("f%1").arg(field)));
    }
    return Fill(CoreTexts::tr(pattern.source), fields);
  }
  return QString();
}

}  // namespace

QString CoreTexts::Translated(const QString& text) {
  // The original texts are the core's own wordings.
  if (CurrentUiLanguage() == UiLanguage::Original) return text;
  const QString translated = Translate(text, false);
  return translated.isNull() ? text : translated;
}

bool CoreTexts::Known(const QString& text) { return !Translate(text, true).isNull(); }

QString CoreTexts::Part(const std::string& part) {
  const QString text = QString::fromStdString(part);
  return CurrentUiLanguage() == UiLanguage::Original ? text : TranslateField(text);
}

QString CoreTexts::List(const std::vector<std::string>& parts, LastJoint lastJoint) {
  QString list;
  for (size_t i = 0; i < parts.size(); ++i) {
    const QString part = Part(parts[i]);
    if (i == 0) {
      list = part;
    } else if (i + 1 == parts.size() && lastJoint == LastJoint::And) {
      list = Fill(tr("%1 and %2"), {list, part});
    } else {
      list = Fill(tr("%1, %2"), {list, part});
    }
  }
  return list;
}

}  // namespace tarvel
