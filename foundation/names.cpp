#include <vok/Vok_names.h>

#include <array>

namespace vok {

namespace {

using MonthTable = std::array<const char*, 12>;
using WeekTable = std::array<const char*, 7>;

struct LanguageNames
{
    MonthTable Long;
    MonthTable Short;
    WeekTable Days;
};

// English, German, French, Spanish (UTF-8).
const std::array<LanguageNames, 4> Names = {{
    {{"January", "February", "March", "April", "May", "June", "July", "August", "September", "October",
      "November", "December"},
     {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"},
     {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"}},
    {{"Januar", "Februar", "März", "April", "Mai", "Juni", "Juli", "August", "September", "Oktober",
      "November", "Dezember"},
     {"Jan", "Feb", "März", "Apr", "Mai", "Juni", "Juli", "Aug", "Sep", "Okt", "Nov", "Dez"},
     {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"}},
    {{"Janvier", "Février", "Mars", "Avril", "Mai", "Juin", "Juillet", "Août", "Septembre", "Octobre",
      "Novembre", "Décembre"},
     {"Janv", "Févr", "Mars", "Avr", "Mai", "Juin", "Juil", "Août", "Sept", "Oct", "Nov", "Déc"},
     {"Lun", "Mar", "Mer", "Jeu", "Ven", "Sam", "Dim"}},
    {{"Enero", "Febrero", "Marzo", "Abril", "Mayo", "Junio", "Julio", "Agosto", "Septiembre", "Octubre",
      "Noviembre", "Diciembre"},
     {"Ene", "Feb", "Mar", "Abr", "May", "Jun", "Jul", "Ago", "Sep", "Oct", "Nov", "Dic"},
     {"Lun", "Mar", "Mié", "Jue", "Vie", "Sáb", "Dom"}},
}};

const LanguageNames& NamesOf(TLanguage Language)
{
    switch (Language) {
    case lgGerman: return Names[1];
    case lgFrench: return Names[2];
    case lgSpanish: return Names[3];
    default: return Names[0];
    }
}

} // namespace

QString MonthLong(TLanguage Language, int Month)
{
    return Month >= 1 && Month <= 12 ? QString::fromUtf8(NamesOf(Language).Long[std::size_t(Month - 1)]) : QString();
}

QString MonthShort(TLanguage Language, int Month)
{
    return Month >= 1 && Month <= 12 ? QString::fromUtf8(NamesOf(Language).Short[std::size_t(Month - 1)]) : QString();
}

QString WeekDayShort(TLanguage Language, int WeekDay)
{
    return WeekDay >= 0 && WeekDay <= 6 ? QString::fromUtf8(NamesOf(Language).Days[std::size_t(WeekDay)]) : QString();
}

} // namespace vok
