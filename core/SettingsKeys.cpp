// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/SettingsKeys.h"

#include <cmath>
#include <limits>

namespace SettingsKeys {
QString toolCaption(int slot) { return QStringLiteral("ToolCaption ") + QString::number(slot); }
QString toolFilename(int slot) { return QStringLiteral("ToolFilename ") + QString::number(slot); }
} // namespace SettingsKeys

double vbVal(const QString &text)
{
    int i = 0;
    const int n = text.size();
    while (i < n && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    double sign = 1;
    if (i < n && (text[i] == u'-' || text[i] == u'+')) {
        if (text[i] == u'-')
            sign = -1;
        ++i;
    }
    double value = 0;
    bool any = false;
    while (i < n && text[i] >= u'0' && text[i] <= u'9') {
        value = value * 10 + (text[i].unicode() - '0');
        any = true;
        ++i;
    }
    if (i < n && text[i] == u'.') {
        ++i;
        double scale = 0.1;
        while (i < n && text[i] >= u'0' && text[i] <= u'9') {
            value += (text[i].unicode() - '0') * scale;
            scale /= 10;
            any = true;
            ++i;
        }
    }
    if (!any || !std::isfinite(value))
        return 0;
    return sign * value;
}

int vbValInt(const QString &text)
{
    const double v = std::round(vbVal(text));
    if (v >= double(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (v <= double(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return int(v);
}

bool vbBool(const QString &text)
{
    const QString t = text.trimmed();
    if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    return vbVal(t) != 0;
}
