#include "ui/qt/widgets/QtLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

#include "ui/model/language/Language.h"

namespace kestrova::qt {

QString QtLanguageCode(int langIndex) {
  switch (langIndex) {
    case lgPolish: return "pl";
    case lgGerman: return "de";
    case lgSpanish: return "es";
    case lgItalian: return "it";
    default: return "";
  }
}

void UseQtLanguage(int langIndex) {
  QCoreApplication* app = QCoreApplication::instance();
  if (app == nullptr) return;
  // The translation in place, owned by the application; its object name is its language code.
  static QPointer<QTranslator> current;
  const QString code = QtLanguageCode(langIndex);
  if (current != nullptr && current->objectName() == code) return;
  if (current != nullptr) {
    QCoreApplication::removeTranslator(current);
    delete current;
  }
  if (code.isEmpty()) return;
  auto* translator = new QTranslator(app);
  translator->setObjectName(code);
  if (!translator->load("qtbase_" + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;
    return;
  }
  QCoreApplication::installTranslator(translator);
  current = translator;
}

}  // namespace kestrova::qt
