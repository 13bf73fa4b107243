// Holder of an optional customer logo: a picture file that the customer
// can have printed in page headers. This program configures none, so the
// holder stays empty and the page frame draws the maker's logo.
#pragma once

#include <QImage>
#include <QString>

class tClientImage {
 public:
  tClientImage() = default;
  // Loads the picture; raises EDevException when the file cannot be read.
  void LoadFromFile(const QString& fileName);
  void Clear();
  bool IsEmpty() const { return fImage.isNull(); }
  const QImage& Image() const { return fImage; }
  const QString& FileName() const { return fFileName; }

 private:
  QImage fImage;
  QString fFileName;
};
