#include "cli/CliDevices.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QRegularExpression>
#include <algorithm>
#include <cstdlib>

#include "files/PicHexImage.h"

namespace tarvel {
namespace {

// The names of one list entry stands for, without "PIC" and in upper case:
// "PIC16C62A,B" covers 16C62A and 16C62B, "PIC12C509[A]" 12C509 and 12C509A.
QStringList PicNames(const QString& listName) {
  QString base = listName.toUpper();
  if (base.startsWith("PIC")) base = base.mid(3);
  if (base.endsWith("[A]")) {
    base.chop(3);
    return {base, base + 'A'};
  }
  if (base.endsWith(",B")) {
    base.chop(2);
    return {base, base.left(base.size() - 1) + 'B'};
  }
  return {base};
}

// "24LC256", "24AA02", "24C02" and "24xx02" all name the same size.
QString SerialRomSize(const QString& name) {
  static const QRegularExpression pattern("^24[A-Z]*(\\d+)$", QRegularExpression::CaseInsensitiveOption);
  const QRegularExpressionMatch match = pattern.match(name);
  return match.hasMatch() ? match.captured(1) : QString();
}

struct FamilyNames {
  const char* id;  // for JSON, the same in every language
  QString text;
};

FamilyNames FamilyOf(PicFamily family) {
  switch (family) {
    case PicFamily::Eprom12: return {"eprom12", CliDevices::tr("12-bit EPROM")};
    case PicFamily::Eprom14: return {"eprom14", CliDevices::tr("14-bit EPROM")};
    case PicFamily::Flash: return {"flash", CliDevices::tr("flash")};
  }
  return {"", QString()};
}

// Japanese characters take two columns of a terminal.
bool Wide(QChar c) {
  const char16_t u = c.unicode();
  return (u >= 0x1100 && u <= 0x115F) || (u >= 0x2E80 && u <= 0xA4CF) || (u >= 0xAC00 && u <= 0xD7A3) ||
         (u >= 0xF900 && u <= 0xFAFF) || (u >= 0xFE30 && u <= 0xFE4F) || (u >= 0xFF00 && u <= 0xFF60) ||
         (u >= 0xFFE0 && u <= 0xFFE6);
}

// The text with spaces up to `columns` terminal columns: after it where
// `columns` is negative, before it where positive, as QString::arg pads.
QString Padded(const QString& text, int columns) {
  const auto taken = static_cast<int>(text.size() + std::count_if(text.begin(), text.end(), Wide));
  const QString spaces(std::max(0, std::abs(columns) - taken), ' ');
  return columns < 0 ? text + spaces : spaces + text;
}

QString Row(const QString& name, const QString& family, const QString& words, const QString& bytes) {
  return Padded(name, -14) + ' ' + Padded(family, -15) + ' ' + Padded(words, 6) + ' ' + Padded(bytes, 6) + '\n';
}

}  // namespace

QString CliDevice::Name() const {
  return QString::fromLatin1(serialRom ? kSRomDevices[index].displayName : kPicDevices[index].displayName);
}

std::optional<CliDevice> CliDevices::Find(const QString& name) {
  QString wanted = name.trimmed().toUpper();
  if (wanted.startsWith("PIC")) wanted = wanted.mid(3);
  for (int device = 0; device < kPicDeviceCount; ++device) {
    if (PicNames(kPicDevices[device].displayName).contains(wanted)) return CliDevice{false, device};
  }
  const QString size = SerialRomSize(wanted);
  for (int device = 0; device < kSRomDeviceCount && !size.isEmpty(); ++device) {
    if (SerialRomSize(kSRomDevices[device].displayName) == size) return CliDevice{true, device};
  }
  return std::nullopt;
}

CliOutcome CliDevices::Unknown(const QString& name) {
  return CliOutcome::Of(CliOutcome::UsageError,
                        tr("Unknown device '%1'. 'tarvel-cli devices' lists the devices.").arg(name));
}

CliOutcome CliDevices::List() {
  CliOutcome outcome;
  QJsonArray devices;
  const auto add = [&](const QString& name, const FamilyNames& family, int32_t programWords, int32_t dataBytes) {
    outcome.output += Row(name, family.text, QString::number(programWords), QString::number(dataBytes));
    devices.append(QJsonObject{{"name", name},
                               {"family", QString::fromLatin1(family.id)},
                               {"programWords", programWords},
                               {"dataBytes", dataBytes}});
  };
  outcome.output = Row(tr("Device"), tr("Family"), tr("Words"), tr("Bytes"));
  for (const PicDeviceInfo& info : kPicDevices) {
    const PicHexLayout layout = HexLayoutOf(info.device);
    add(QString::fromLatin1(info.displayName), FamilyOf(info.family), layout.programWords, layout.dataBytes);
  }
  for (const SRomDeviceInfo& info : kSRomDevices) {
    add(QString::fromLatin1(info.displayName), {"serial-eeprom", tr("serial EEPROM")}, 0,
        static_cast<int32_t>(info.lastAddress + 1));
  }
  outcome.fields.emplace_back("devices", devices);
  return outcome;
}

}  // namespace tarvel
