#pragma once
#include <cstddef>
#include <cstdint>

// The CRC-32 of zip and PNG (reflected polynomial 0xEDB88320, initial and
// final value 0xFFFFFFFF): "123456789" gives 0xCBF43926.
std::uint32_t crc32(const void *data, std::size_t size);
