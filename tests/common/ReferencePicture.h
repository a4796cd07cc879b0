#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

namespace TestUtil {

// Compares a whole picture with its reference, tests/references/<folder>/<name>.png
// (folder: this binary's test folder). Both are reduced to the mean colour of
// each 4x4 block, so anti-aliasing noise passes while a missing one-pixel line
// or a moved element fails. A failure names the file and the first blocks that
// differ and leaves the actual pictures in the build's shots folder.
// With CORVANE_RENEW_REFERENCES=1 the reduced picture becomes the reference.
// References made where fonts, Qt or the GL driver differ are not compared.
void expectMatchesReference(const QImage& picture, const QString& name);

// The same for a text record, tests/references/<folder>/<name>.txt: a
// failure names the first line that differs. False when it differs.
bool expectMatchesReferenceText(const QString& text, const QString& name);

// For records kept beside the references (ControlTrace).
QImage reducedPicture(const QImage& picture); // the 4x4 block means
enum class ReferenceMode
{
    Renew,
    Compare,
    Skip // made in another environment
};
ReferenceMode referenceMode();
// tests/references/<folder>/<name>, without an extension.
QString referencePath(const QString& name);
// The first blocks of two reduced pictures that differ beyond the tolerance.
QStringList blockFaults(const QImage& actual, const QImage& expected, int max = 5);

} // namespace TestUtil
