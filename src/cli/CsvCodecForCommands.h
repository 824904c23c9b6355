// The sheet's UTF-8 through the program's own GBK table, as the interface shows and takes text.
#pragma once

#include <QStringDecoder>

#include "core/editor/GeneralCsv.h"
#include "ui/app/TextCodec.h"

namespace tavlor::cli {

class InterfaceCsvCodec : public CsvTextCodec {
 public:
  std::string Utf8OfGbk(std::string_view gbk) const override { return FromGbk(gbk).toStdString(); }
  std::optional<std::string> GbkOfUtf8(std::string_view utf8) const override {
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(QByteArrayView(utf8.data(), static_cast<qsizetype>(utf8.size())));
    if (decoder.hasError()) return std::nullopt;
    EncodedText encoded = EncodeGbk(text);
    if (!encoded.Unencodable.isEmpty()) return std::nullopt;
    return std::move(encoded.Bytes);
  }
};

}  // namespace tavlor::cli
