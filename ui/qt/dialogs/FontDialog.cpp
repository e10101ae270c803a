#include "ui/qt/dialogs/FontDialog.h"

#include <QFontDialog>
#include <QFontInfo>

#include "rendering/FontFamilyName.h"
#include "ui/qt/widgets/QtText.h"

namespace kestrova::qt {

namespace {

bool SameFamily(const QString& a, const QString& b) {
  return QString::fromStdString(SplitFoundry(a.toStdString()).family)
             .compare(QString::fromStdString(SplitFoundry(b.toStdString()).family), Qt::CaseInsensitive) == 0;
}

// The font as the dialog lists it: the family of a face with its foundry
// where the list names one ("URW Gothic [UKWN]", else it selects another
// family), and the face's own style name ("Bold", "Demi"). Without a style
// name the dialog looks for Qt's word for the style, which in a translation
// ("Fett") names no style of the face, and selects the first one ("Oblique").
QFont StartFont(const TFont& start) {
  QFont font = ToQFont(start);
  const QFontInfo face(font);
  if (!SameFamily(face.family(), font.family())) return font;
  font.setFamily(face.family());
  font.setStyleName(face.styleName());
  return font;
}

}  // namespace

std::optional<TFont> ChooseFont(const TFont& start, QWidget* parent) {
  QFontDialog dialog(parent);
  dialog.setOption(QFontDialog::DontUseNativeDialog);
  dialog.setCurrentFont(StartFont(start));
  // What OK gives for the font as the dialog shows it at first: a family it
  // does not list, or a style the face lacks, would otherwise change the font.
  const TFont shown = FromQFont(dialog.currentFont(), start);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const TFont chosen = FromQFont(dialog.selectedFont(), start);
  return chosen == shown ? start : chosen;
}

}  // namespace kestrova::qt
