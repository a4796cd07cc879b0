#include "GustrelFonts.h"

#include <QFont>
#include <QFontDatabase>

namespace {

// CJK-capable sans families with Latin glyphs of their own, in order of
// preference: first those with real bold faces (a family without one gets
// its glyphs thickened, which closes the dot of a bold "i" onto its stem);
// the last entries only fill in glyphs the first ones miss.
const char* const kStandIns[] = {
    "Noto Sans CJK SC",  "Source Han Sans SC", "WenQuanYi Micro Hei", "Droid Sans Fallback",
    "WenQuanYi Zen Hei", "AR PL UMing CN",     "DejaVu Sans",
};

} // namespace

QString gustrelFontFamily()
{
    return QStringLiteral("Microsoft YaHei UI");
}

QStringList gustrelFontStandIns(const QString& family, const QStringList& installed)
{
    QStringList result;
    auto has = [&installed](const QString& name) { return installed.contains(name, Qt::CaseInsensitive); };
    if (family.isEmpty() || has(family))
        return result;
    for (const char* name : kStandIns) {
        const QString candidate = QString::fromLatin1(name);
        if (has(candidate))
            result.append(candidate);
    }
    return result;
}

QStringList installGustrelFontSubstitutes()
{
    const QString family = gustrelFontFamily();
    const QStringList standIns = gustrelFontStandIns(family, QFontDatabase().families());
    if (!standIns.isEmpty())
        QFont::insertSubstitutions(family, standIns);
    return standIns;
}
