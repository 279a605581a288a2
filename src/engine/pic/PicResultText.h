#pragma once

#include <cstdint>
#include <string>

#include "engine/pic/PicWrite.h"
#include "platform/UserMessages.h"

namespace tarvel {

// The caption of the window's result box.
constexpr const char* kResultCaption = "Melfort Result";

// A message field: upper-case hexadecimal, at least four digits, a negative
// value as all eight digits of its two's complement.
std::string ResultHex(int32_t value);

// The English text and icon of the window's result box; empty text and no
// icon for a code outside the table.
std::string ResultText(const TPicWriteResult& result);
MessageIcon ResultIcon(TPicResultCode code);

// The engine's own Japanese rendering, for the simple message box.
std::string ResultMessageText(const TPicWriteResult& result);

}  // namespace tarvel
