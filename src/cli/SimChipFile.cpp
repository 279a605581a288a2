#include "cli/SimChipFile.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonParseError>
#include <functional>

#include "files/BinaryFile.h"
#include "language/CoreTexts.h"
#include "sim/PicChip.h"
#include "sim/Serial24xxChip.h"

namespace tarvel {
namespace {

// One memory as the file holds it: `size` values of `digits` hex digits.
struct Memory {
  const char* key;
  int32_t size;
  int digits;
  uint16_t widest;  // the largest value a cell can hold
  std::function<uint16_t(int32_t)> get;
  std::function<void(int32_t, uint16_t)> set;
};

std::vector<Memory> MemoriesOf(VirtualChip& chip) {
  std::vector<Memory> memories;
  if (auto* rom = dynamic_cast<Serial24xxChip*>(&chip)) {
    memories.push_back({"memory", static_cast<int32_t>(rom->Size()), 2, 0xFF,
                        [rom](int32_t i) { return rom->Byte(static_cast<uint32_t>(i)); },
                        [rom](int32_t i, uint16_t v) { rom->SetByte(static_cast<uint32_t>(i), static_cast<uint8_t>(v)); }});
    return memories;
  }
  auto* pic = dynamic_cast<PicChip*>(&chip);
  if (pic == nullptr) return memories;
  const std::pair<const char*, PicCells*> parts[] = {
      {"program", &pic->Program()}, {"data", &pic->Data()}, {"id", &pic->Ids()}, {"config", &pic->Config()}};
  for (const auto& [key, cells] : parts) {
    if (cells->Size() == 0) continue;
    memories.push_back({key, cells->Size(), cells->Erased() > 0xFF ? 4 : 2, cells->Erased(),
                        [cells = cells](int32_t i) { return cells->Stored(i); },
                        [cells = cells](int32_t i, uint16_t v) { cells->Set(i, v); }});
  }
  return memories;
}

}  // namespace

QString SimChipFile::Load() {
  QFile file(path_);
  if (!file.exists()) return QString();
  if (!file.open(QIODevice::ReadOnly)) return tr("Cannot read %1: %2.").arg(path_, file.errorString());
  QJsonParseError error{};
  const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
  if (document.isNull()) {
    return tr("%1 is no file of simulated chips: %2 at byte %3.").arg(path_, error.errorString()).arg(error.offset);
  }
  const QJsonObject whole = document.object();
  if (whole.value("format").toString() != kFormat) {
    return tr("%1 is no file of simulated chips: it does not say \"format\": \"%2\".").arg(path_, kFormat);
  }
  if (whole.value("version").toInt() != kVersion) {
    return tr("%1 holds simulated chips of version %2; this tarvel-cli reads version %3.")
        .arg(path_, whole.value("version").toVariant().toString())
        .arg(kVersion);
  }
  chips_ = whole.value("chips").toObject();
  return QString();
}

QString SimChipFile::Restore(const QString& device, VirtualChip& chip) const {
  if (!chips_.contains(device)) return QString();
  const QJsonObject kept = chips_.value(device).toObject();
  for (const Memory& memory : MemoriesOf(chip)) {
    const QString text = kept.value(memory.key).toString();
    if (text.size() != memory.size * memory.digits) {
      return tr("The %1 in %2 has no \"%3\" of %4 hexadecimal digits.")
          .arg(device, path_, memory.key)
          .arg(memory.size * memory.digits);
    }
    for (int32_t i = 0; i < memory.size; ++i) {
      bool digits = false;
      const uint value = QStringView(text).mid(i * memory.digits, memory.digits).toUInt(&digits, 16);
      if (!digits || value > memory.widest) {
        return tr("The %1 in %2 holds no value the chip can hold in \"%3\" at %4H.")
            .arg(device, path_, memory.key, QString::number(i, 16).toUpper());
      }
      memory.set(i, static_cast<uint16_t>(value));
    }
  }
  return QString();
}

void SimChipFile::Keep(const QString& device, VirtualChip& chip) {
  QJsonObject kept;
  for (const Memory& memory : MemoriesOf(chip)) {
    QString text;
    text.reserve(memory.size * memory.digits);
    for (int32_t i = 0; i < memory.size; ++i) text += QString("%1").arg(memory.get(i), memory.digits, 16, QChar('0'));
    kept.insert(memory.key, text.toUpper());
  }
  chips_.insert(device, kept);
}

QString SimChipFile::Save() const {
  const QJsonObject whole{{"format", kFormat}, {"version", kVersion}, {"chips", chips_}};
  const QByteArray text = QJsonDocument(whole).toJson(QJsonDocument::Indented);
  const FileSave saved = SaveFileAtomically(QFile::encodeName(path_).toStdString(),
                                            std::vector<uint8_t>(text.begin(), text.end()));
  return saved.saved ? QString() : tr("Cannot write %1: %2.").arg(path_, CoreTexts::Translated(saved.reason));
}

}  // namespace tarvel
