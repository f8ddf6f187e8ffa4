// Picture sizes read from the headers of JPEG, PNG and GIF files (no picture data is decoded).
#pragma once

#include <cstdint>
#include <istream>
#include <string>

// Big-endian 16-bit word; false at the end of the stream.
bool ReadWordBE(std::istream& in, uint16_t& value);

// The header readers, over a stream standing at the file's start. A header they do not understand leaves
// width and height as they were; the GIF reader sets them to 0 first.
void ReadJpegSize(std::istream& in, uint32_t& width, uint32_t& height);
void ReadPngSize(std::istream& in, uint32_t& width, uint32_t& height);
void ReadGifSize(std::istream& in, uint32_t& width, uint32_t& height);

enum TImageKind { ikUnknown, ikJpeg, ikPng, ikGif };

// The kind from the file's own signature; ikUnknown also when it is too short.
TImageKind ImageKindOf(std::istream& in);

// Chooses the reader by the signature. Width and height are 0 when no reader applies.
void ReadImageSize(std::istream& in, uint32_t& width, uint32_t& height);

// The same for files. Only regular files are read (a named pipe would block); the readers return false,
// with Why, when the file cannot be opened.
bool ReadJpegSize(const std::string& fileName, uint32_t& width, uint32_t& height);
bool ReadPngSize(const std::string& fileName, uint32_t& width, uint32_t& height);
bool ReadGifSize(const std::string& fileName, uint32_t& width, uint32_t& height);
bool ReadImageSize(const std::string& fileName, uint32_t& width, uint32_t& height,
                   std::string* why = nullptr);
