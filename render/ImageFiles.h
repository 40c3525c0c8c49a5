// Image files: the five picture types a player may choose ("jpeg", "gif",
// "bmp", "png", "tiff"), decoding a file safely and writing a picture as a
// file of one of those types.
#pragma once

#include <QFile>
#include <QImage>
#include <QString>

#include "render/Messages.h"

namespace tolva {

// The picture type of a file name by its extension, in lower case: "jpg" and
// "jpeg" give "jpeg", "tif" and "tiff" give "tiff", "gif", "bmp" and "png"
// themselves. Anything else, or no ".", gives empty text after message 30056.
QString ImageTypeOf(const QString& fileName, const MessageSink& messages);

// Limits on what a picture file may cost to decode.
inline constexpr qint64 kMaxImageFileBytes = 100LL * 1024 * 1024;
inline constexpr qint64 kMaxImagePixels = 64LL * 1024 * 1024;
inline constexpr int kMaxImageSide = 32768;
inline constexpr int kDecodeAllocationLimitMb = 320;

// Decodes a picture file whatever its name says (the content decides), within
// the limits above. Anything but a regular file, a file that is too big, claims a size beyond the limits, is
// cut short or cannot be decoded gives a null image; nothing is reported.
QImage ReadImageFile(const QString& path);
// The same for a file's bytes already read.
QImage DecodeImageData(const QByteArray& data);
// The bytes of an open file of at most kMaxImageFileBytes, or none when it is
// empty or bigger. Reads by the file's own size: QIODevice::read(n) asks for
// all n bytes before it reads, which a machine short of memory refuses.
QByteArray ReadWholePictureFile(QFile& file);

// Decodes a file the player chose: the type by its name (30056 when it is none
// of the five, or the path is a folder), then the picture; transparent parts
// take the colour of the top-left pixel. A file that cannot be opened gives
// 30002, one that cannot be decoded 30001; both a null image.
QImage DecodePlayerImage(const QString& path, const MessageSink& messages);

// Writes the picture scaled to w x h as a file of the given type (JPEG at
// quality 100) with WriteTempFile: the file appears whole or not at all. A
// picture that cannot be encoded shows 30001, a file that cannot be written
// 30002 with where and why (TellTempFileProblem); both answer false.
bool SaveBitmapAs(const QImage& picture, const QString& path, int w, int h, const QString& type,
                  const MessageSink& messages);

}  // namespace tolva
