#pragma once

#include <cstdint>

// The numbers of the zip format that the writer and the reader share.
namespace zip {

inline constexpr std::uint32_t kLocalHeader = 0x04034b50;
inline constexpr std::uint32_t kCentralHeader = 0x02014b50;
inline constexpr std::uint32_t kEndOfCentral = 0x06054b50;
inline constexpr std::uint16_t kStored = 0;
inline constexpr std::uint16_t kDeflated = 8;
inline constexpr std::uint16_t kEncrypted = 1;
inline constexpr std::uint16_t kUtf8Names = 1 << 11;
// Fixed lengths: local header, directory header, end record.
inline constexpr std::uint32_t kLocalHeaderSize = 30;
inline constexpr std::uint32_t kCentralHeaderSize = 46;
inline constexpr std::uint32_t kEndSize = 22;

}  // namespace zip
