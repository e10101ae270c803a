#include "ui/model/language/LanguageTables.h"

namespace kestrova {

const std::array<TLangRow, 15> LangNames = {{
    /* 0 */ {"Bold", "Pogrubienie", "Fett", "Negrita", "Grassetto"},
    /* 1 */ {"Italic", "Kursywa", "Kursiv", "Cursiva", "Corsivo"},
    /* 2 */ {"Underline", "Podkreślenie", "Unterstrichen", "Subrayado", "Sottolineato"},
    /* 3 */ {"Align left", "Wyrównaj do lewej", "Linksbündig", "Alinear a la izquierda", "Allinea a sinistra"},
    /* 4 */ {"Align center", "Wyśrodkuj w poziomie", "Zentrieren", "Centrar", "Centra orizzontalmente"},
    /* 5 */ {"Align right", "Wyrównaj do prawej", "Rechtsbündig", "Alinear a la derecha", "Allinea a destra"},
    /* 6 */ {"Align top", "Wyrównaj do góry", "Oben ausrichten", "Alinear arriba", "Allinea in alto"},
    /* 7 */ {"Align middle", "Wyśrodkuj w pionie", "Mittig ausrichten", "Alinear al medio", "Centra verticalmente"},
    /* 8 */ {"Align bottom", "Wyrównaj do dołu", "Unten ausrichten", "Alinear abajo", "Allinea in basso"},
    /* 9 */ {
        "Show or hide options",
        "Pokaż lub ukryj opcje",
        "Optionen ein- oder ausblenden",
        "Mostrar u ocultar opciones",
        "Mostra o nascondi opzioni",
    },
    /* 10 */ {"More buttons", "Więcej przycisków", "Weitere Knöpfe", "Más botones", "Altri pulsanti"},
    /* 11 */ {"Dithering", "Rozpraszanie", "Rasterung", "Tramado", "Retinatura"},
    /* 12 */ {"horizontal", "poziomo", "horizontal", "horizontal", "orizzontale"},
    /* 13 */ {"vertical", "pionowo", "vertikal", "vertical", "verticale"},
    /* 14 */ {"browse", "przeglądaj", "durchsuchen", "examinar", "sfoglia"},
}};

}  // namespace kestrova
