#include "cli/numberfit.h"

namespace spawnsmith::cli {
namespace {

QString withoutTrailingZeros(QString number) {
    if (number.contains(u'.')) {
        while (number.endsWith(u'0'))
            number.chop(1);
        if (number.endsWith(u'.'))
            number.chop(1);
    }
    if (number == QLatin1String("-0"))
        return QStringLiteral("0");
    return number;
}

} // namespace

bool isDecimal(const QString& text) {
    qsizetype i = 0;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        ++i;
    bool digits = false;
    bool point = false;
    for (; i < text.size(); ++i) {
        if (text[i] >= u'0' && text[i] <= u'9')
            digits = true;
        else if (text[i] == u'.' && !point)
            point = true;
        else
            return false;
    }
    return digits;
}

FittedText fitToBox(const QString& text, int limit) {
    if (text.size() <= limit)
        return {text, Fit::Fits};
    if (!isDecimal(text))
        return {text, Fit::NotANumber};
    const double value = text.toDouble();
    for (int decimals = limit; decimals >= 0; --decimals) {
        const QString rounded = withoutTrailingZeros(QString::number(value, 'f', decimals));
        if (rounded.size() <= limit)
            return {rounded, Fit::Rounded};
    }
    return {text, Fit::WholeTooLong};
}

} // namespace spawnsmith::cli
