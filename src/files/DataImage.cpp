#include "files/DataImage.h"

#include <algorithm>
#include <utility>

namespace tarvel {

DataHexBytes DataBytesFromHex(const THexSource& source, int32_t lastAddress) {
  DataHexBytes image;
  image.bytes.resize(CellsUpTo(lastAddress));
  const size_t takeable = std::min(image.bytes.size(), static_cast<size_t>(THexSource::kImageSize));
  const int32_t endAddress = source.EndAddress();
  if (endAddress >= static_cast<int32_t>(takeable)) {
    image.tooBig = true;
    image.bytesTaken = static_cast<int32_t>(takeable);
    for (size_t i = takeable; i < THexSource::kImageSize && image.lineBeyond == 0; ++i) {
      image.lineBeyond = source.LineOf(static_cast<int32_t>(i));
    }
    if (image.lineBeyond == 0) image.lineBeyond = source.LineBeyondImage();
  }
  const size_t end = std::min(takeable, endAddress < 0 ? 0 : static_cast<size_t>(endAddress) + 1);
  for (size_t i = 0; i < end; ++i) {
    if (source.Written()[i]) image.bytes[i] = source.Buffer()[i];
  }
  return image;
}

DataBinaryBytes ReadDataBinary(const std::string& path, int32_t lastAddress) {
  DataBinaryBytes image;
  FileHead head = ReadFileHead(path, CellsUpTo(lastAddress));
  image.opened = head.opened;
  image.reason = head.reason;
  image.bytes = std::move(head.bytes);
  image.tooBig = head.more;
  if (image.tooBig) image.bytesTaken = static_cast<int32_t>(image.bytes.size());
  return image;
}

FileSave SaveDataBinary(const std::string& path, const std::vector<uint8_t>& bytes) {
  return SaveFileAtomically(path, bytes);
}

}  // namespace tarvel
