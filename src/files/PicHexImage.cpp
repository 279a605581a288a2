#include "files/PicHexImage.h"

#include <algorithm>
#include <cstdio>

#include "engine/pic/PicConfigRules.h"
#include "engine/pic/PicIdText.h"
#include "files/ProgramImage.h"

namespace tarvel {

namespace {

constexpr uint16_t kErasedWord = 0x3FFF;

std::string Hex(uint32_t value, int digits) {
  char text[16];
  std::snprintf(text, sizeof text, "%0*X", digits, value);
  return text;
}

const char* NameOf(PIC_DEVICES device) { return IsKnownPicDevice(device) ? kPicDevices[device].displayName : "device"; }

// Gathers the bytes of each kind of misfit into one range.
class MisfitList {
 public:
  void Add(HexMisfit::Kind kind, int32_t line, uint32_t address) {
    for (HexMisfit& misfit : misfits_) {
      if (misfit.kind != kind) continue;
      misfit.last = std::max(misfit.last, address);
      return;
    }
    misfits_.push_back({kind, line, address, address});
  }
  std::vector<HexMisfit> Take() { return std::move(misfits_); }

 private:
  std::vector<HexMisfit> misfits_;
};

}  // namespace

PicHexLayout HexLayoutOf(PIC_DEVICES device) {
  const PicDeviceInfo& info = kPicDevices[IsKnownPicDevice(device) ? device : PIC16F84];
  const int32_t words = info.lastAddress + 1;
  if (info.family == PicFamily::Eprom12) return {words, 0xFFF, words, false, 0xFFF, -1, 0, 0, 0x0FFF};
  const int32_t dataBytes = info.family == PicFamily::Flash ? info.dataLastAddress + 1 : 0;
  return {words, 0x2000, 0x2000, true, 0x2007, 0x2100, 0x100, dataBytes, 0x3FFF};
}

PicHexContents PicContentsFromHex(const THexSource& source, PIC_DEVICES device) {
  const PicHexLayout layout = HexLayoutOf(device);
  PicHexContents contents;
  ProgramHexWords program = ProgramWordsFromHex(source, layout.programWords - 1);
  contents.image.program = std::move(program.words);
  contents.highByteOnlyAddress = program.highByteOnlyAddress;
  contents.image.data.resize(static_cast<size_t>(layout.dataBytes));

  MisfitList misfits;
  std::array<uint16_t, 4> id{kErasedWord, kErasedWord, kErasedWord, kErasedWord};
  bool hasId = false;
  const auto& written = source.Written();
  for (int32_t byte = 2 * layout.programWords; byte < THexSource::kImageSize; ++byte) {
    if (!written[byte]) continue;
    const int32_t word = byte / 2;
    const bool low = byte % 2 == 0;
    const int32_t line = source.LineOf(byte);
    const auto address = static_cast<uint32_t>(byte);
    if (word >= layout.idAddress && word < layout.idAddress + 4) {
      if (!layout.idWritten) {
        misfits.Add(HexMisfit::IdNotWritten, line, address);
      } else if (const auto value = HexWordAt(source, word); low && value) {
        id[word - layout.idAddress] = *value;
        hasId = true;
      }
    } else if (word == layout.configAddress) {
      if (low) contents.image.config = HexWordAt(source, word);
    } else if (layout.dataAddress >= 0 && word >= layout.dataAddress && word < layout.dataAddress + layout.dataSpace) {
      const int32_t index = word - layout.dataAddress;
      if (layout.dataBytes == 0) {
        misfits.Add(HexMisfit::NoDataMemory, line, address);
      } else if (index >= layout.dataBytes) {
        misfits.Add(HexMisfit::DataBeyond, line, address);
      } else if (low) {
        contents.image.data[static_cast<size_t>(index)] = source.Buffer()[byte];
      }
    } else {
      misfits.Add(word < layout.programSpace ? HexMisfit::ProgramBeyond : HexMisfit::OutsideDevice, line, address);
    }
  }
  if (hasId) contents.image.id = id;
  contents.misfits = misfits.Take();
  if (source.LineBeyondImage() != 0) {
    const uint32_t first = source.AddressBeyondImage();
    const uint32_t last = std::max(first, static_cast<uint32_t>(std::max(source.EndAddress(), 0)));
    contents.misfits.push_back({HexMisfit::OutsideDevice, source.LineBeyondImage(), first, last});
  }
  return contents;
}

HexBytes PicHexBytes(const PicChipImage& image, PIC_DEVICES device) {
  const PicHexLayout layout = HexLayoutOf(device);
  HexBytes bytes;
  const auto putWord = [&bytes](int32_t word, uint16_t value) {
    const auto low = static_cast<size_t>(2 * word);
    if (bytes.size() < low + 2) bytes.resize(low + 2);
    bytes[low] = static_cast<uint8_t>(value & 0xFF);
    bytes[low + 1] = static_cast<uint8_t>(value >> 8);
  };
  for (size_t word = 0; word < image.program.size(); ++word) {
    if (image.program[word]) putWord(static_cast<int32_t>(word), *image.program[word]);
  }
  if (image.id && layout.idWritten) {
    for (int32_t i = 0; i < 4; ++i) putWord(layout.idAddress + i, (*image.id)[static_cast<size_t>(i)]);
  }
  if (image.config) putWord(layout.configAddress, *image.config);
  if (layout.dataAddress >= 0) {
    const size_t count = std::min(image.data.size(), static_cast<size_t>(layout.dataSpace));
    for (size_t i = 0; i < count; ++i) {
      if (image.data[i]) putWord(layout.dataAddress + static_cast<int32_t>(i), *image.data[i]);
    }
  }
  return bytes;
}

std::string IdText(const std::array<uint16_t, 4>& words) {
  const PicIdWords engineWords = EngineIdWords(words);
  if (IdWordsAreText(engineWords)) return "\"" + IdTextOfWords(engineWords) + "\"";
  return "words " + Hex(words[0], 4) + " " + Hex(words[1], 4) + " " + Hex(words[2], 4) + " " + Hex(words[3], 4);
}

namespace {

template <class Cells>
size_t Present(const Cells& cells) {
  return static_cast<size_t>(std::count_if(cells.begin(), cells.end(), [](const auto& c) { return c.has_value(); }));
}

std::string Counted(size_t count, const char* one, const char* many) {
  return std::to_string(count) + " " + (count == 1 ? one : many);
}

}  // namespace

std::vector<std::string> ExtrasParts(const PicChipImage& image) {
  std::vector<std::string> parts;
  if (image.config) parts.push_back("the configuration word " + Hex(*image.config, 4) + "H");
  if (image.id) parts.push_back("the ID " + IdText(*image.id));
  if (const size_t data = Present(image.data); data > 0) {
    parts.push_back(Counted(data, "data EEPROM byte", "data EEPROM bytes"));
  }
  return parts;
}

std::vector<std::string> WholeChipParts(const PicChipImage& image) {
  std::vector<std::string> parts;
  if (const size_t words = Present(image.program); words > 0) {
    parts.push_back("program " + Counted(words, "word", "words"));
  }
  if (const size_t data = Present(image.data); data > 0) parts.push_back("data " + Counted(data, "byte", "bytes"));
  if (image.config) parts.push_back("configuration " + Hex(*image.config, 4) + "H");
  if (image.id) parts.push_back("ID " + IdText(*image.id));
  return parts;
}

std::string MisfitText(const HexMisfit& misfit, PIC_DEVICES device) {
  const PicHexLayout layout = HexLayoutOf(device);
  const std::string name = NameOf(device);
  const std::string line = " (from line " + std::to_string(misfit.line) + ")";
  const uint32_t firstWord = misfit.first / 2;
  const uint32_t lastWord = misfit.last / 2;
  switch (misfit.kind) {
    case HexMisfit::ProgramBeyond:
      return "program words " + Hex(firstWord, 4) + "H to " + Hex(lastWord, 4) + "H" + line + ": the " + name +
             "'s program memory ends at " + Hex(static_cast<uint32_t>(layout.programWords - 1), 4) + "H";
    case HexMisfit::DataBeyond:
      return "data EEPROM bytes " + Hex(firstWord - static_cast<uint32_t>(layout.dataAddress), 2) + "H to " +
             Hex(lastWord - static_cast<uint32_t>(layout.dataAddress), 2) + "H" + line + ": the " + name + " has " +
             std::to_string(layout.dataBytes) + " bytes of data EEPROM";
    case HexMisfit::NoDataMemory:
      return "data EEPROM bytes" + line + ": the " + name + " has no data EEPROM";
    case HexMisfit::IdNotWritten:
      return "ID words" + line + ": tarvel writes no ID to the " + name;
    case HexMisfit::OutsideDevice:
      break;
  }
  return "bytes at HEX addresses " + Hex(misfit.first, 4) + "H to " + Hex(misfit.last, 4) + "H" + line +
         ", which are no memory of the " + name;
}

bool ConfigSetsProtection(uint16_t config, PIC_DEVICES device) {
  if (!IsKnownPicDevice(device)) return false;
  return (~static_cast<int32_t>(config) & ProtectionBits(kPicConfigRules[device])) != 0;
}

}  // namespace tarvel
