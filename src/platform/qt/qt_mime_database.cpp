#include "platform/qt/qt_mime_database.h"

#include <QMimeDatabase>

namespace quillet {

std::string QtMimeDatabase::TypeOfExtension(const std::string& ext) const {
  if (ext.empty()) return {};
  const QMimeDatabase db;
  const QMimeType type = db.mimeTypeForFile(QStringLiteral("x.") + QString::fromStdString(ext), QMimeDatabase::MatchExtension);
  if (!type.isValid() || type.isDefault()) return {};
  return type.name().toStdString();
}

}  // namespace quillet
