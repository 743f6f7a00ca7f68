#pragma once

#include <cstdint>
#include <string_view>

// The CRC-32 of zip archives and PNG chunks.
std::uint32_t Crc32(std::string_view data);
