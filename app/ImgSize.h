// Picture sizes read from the headers of JPEG, PNG and GIF files (no picture data is decoded).
#pragma once

#include <cstdint>
#include <istream>
#include <string>

// Big-endian 16-bit word; false at the end of the stream.
bool ReadWordBE(std::istream& in, uint16_t& value);

// Each reader returns false only when the file cannot be opened. A header it does not
// understand leaves width and height as they were.
bool ReadJpegSize(const std::string& fileName, uint32_t& width, uint32_t& height);
bool ReadPngSize(const std::string& fileName, uint32_t& width, uint32_t& height);
// Width and height start at 0 here; any failure after opening leaves them 0.
bool ReadGifSize(const std::string& fileName, uint32_t& width, uint32_t& height);

enum TImageKind { ikUnknown, ikJpeg, ikPng, ikGif };

// The kind from the file's own signature; ikUnknown also when it cannot be read.
TImageKind ImageKindOf(const std::string& fileName);

// Chooses the reader by the file's signature. Width and height are 0 when no reader applies.
// Returns false when the file cannot be opened.
bool ReadImageSize(const std::string& fileName, uint32_t& width, uint32_t& height);
