#include "ui/model/language/LanguageTables.h"

// Each row lists the texts of slots 0..4; slot 5 is empty unless a sixth text is given.

namespace kestrova {

const std::array<TLangRow, 5> LangAbout = {{
    {"About...", "O programie...", "Über...", "Acerca de...", "Informazioni su..."},
    {
        "All rights reserved.",
        "Wszelkie prawa zastrzeżone.",
        "Alle Rechte vorbehalten.",
        "Todos los derechos reservados.",
        "Tutti i diritti riservati.",
    },
    {
        "Checking for latest version...",
        "Sprawdzanie najnowszej wersji...",
        "Die Prüfung auf neueste Version...",
        "Comprobación de la versión más reciente...",
        "Verifica della versione piu recente...",
    },
    {"unavailable...", "niedostępna...", "nicht verfügbar...", "no está disponible...", "non disponibile..."},
    {"Current version: ", "Najnowsza wersja: ", "Aktuelle Version: ", "Versión actual: ", "Versione corrente: "},
}};

const std::array<TLangRow, 18> LangPresets = {{
    /* 0 */ {"Presets", "Gotowce", "Presets", "Predeterminados", "Preimpostazioni"},
    /* 1 */ {"&Add", "&Dodaj", "&Hinzufügen", "&Anadir", "&Aggiungere"},
    /* 2 */ {"&Delete", "&Usuń", "&Löschen", "&Borrar", "&Cancellare"},
    /* 3 */ {"&Import from .btn", "&Importuj z .btn", "&Import aus .btn", "&Importar desde .btn", "&Importa da .btn"},
    /* 4 */ {"&Close", "&Zamknij", "&Schließen", "&Cerrar", "C&hiudere"},
    /* 5 */ {"&Use", "Z&astosuj", "&Verwenden", "&Usar", "&Utilizzare"},
    /* 6 */ {
        "Import preset from project",
        "Import z projektu",
        "Import aus Pojekt",
        "Importar desde proyecto",
        "Importa da progetto",
    },
    /* 7 */ {"Current set", "Zestaw", "Aktuelle Kit", "Set actual", "Set corrente"},
    /* 8 */ {"&New", "&Nowy", "&Neu", "&Nuevo", "&Nuovo"},
    /* 9 */ {"A&ttach", "&Podłącz", "&Befestigen", "A&djuntar", "A&llegare"},
    /* 10 */ {"&Remove", "&Usuń", "&Entfernen", "&Eliminar", "&Rimuovere"},
    /* 11 */ {
        "Create new set of presets",
        "Utwórz nowy zestaw gotowców",
        "Erstellen neue Reihe von Presets",
        "Crear un nuevo conjunto de presets",
        "Creare nuova serie di preset",
    },
    /* 12 */ {"Set name", "Nazwa zestawu", "Set-Name", "Nombre de set", "Imposta nome"},
    /* 13 */ {
        "Name is already in use.",
        "Nazwa jest już użyta.",
        "Name ist bereits im Einsatz.",
        "El nombre ya está en uso.",
        "Il nome e gia in uso.",
    },
    /* 14 */ {
        "Remove set \"%s\" ?\r\nFile will not be deleted.",
        "Usunąć zestaw \"%s\" ?\r\nPlik nie zostanie fizycznie skasowany.",
        "Entfernen \"%s\" ?\r\nDie Datei wird nicht gelöscht werden.",
        "Retire \"%s\" ?\r\nEl archivo no será borrado.",
        "Togliere la \"%s\" ?\r\nIl file non viene eliminato.",
    },
    /* 15 */ {"S&quare", "K&wadrat", "Quadrat", "Cuadrado", "Quadro"},
    /* 16 */ {
        "Attach presets file",
        "Dołącz plik gotowców",
        "Befestige Presets-Datei",
        "Adjuntar un archivo de predeterminados",
        "Allega file preimpostazioni",
    },
    /* 17 */ {
        "Reached maximum limit of sets!",
        "Osiągnięto limit ilości zestawów!",
        "Erreicht Höchstgrenze von Sets!",
        "Ha alcanzado el límite máximo de conjuntos!",
        "Raggiunto il limite massimo di insiemi!",
    },
}};

const std::array<TLangRow, 10> LangProcess = {{
    /* 0 */ {"&Close", "&Zamknij", "&Schließen", "&Cerrar", "C&hiudere"},
    /* 1 */ {"&Use", "&Użyj", "&Verwenden", "&Usar", "&Utilizzare"},
    /* 2 */ {"&Resize", "&Przeskaluj", "&Größe ändern", "C&ambiar el tamano", "&Ridimensionare"},
    /* 3 */ {},
    /* 4 */ {},
    /* 5 */ {"New size", "Nowy rozmiar", "Neue Größe", "Nueva tamano", "Nuove dimensioni"},
    /* 6 */ {
        "Image processing",
        "Przetwarzanie obrazka",
        "Bildverarbeitung",
        "Procesamiento de Imágenes",
        "Elaborazione di immagini",
    },
    /* 7 */ {},
    /* 8 */ {},
    /* 9 */ {},
}};

const std::array<TLangRow, 1> LangHelpFiles = {{
    {"Kestroen.html", "Kestropl.html", "Kestroen.html", "Kestroen.html", "Kestroen.html"},
}};

const std::array<TLangRow, 11> LangMessages = {{
    /* 0 */ {" Empty image", " Pusty obrazek", " Kein Bild", " Imagen vacia", " Immagine vuota", " ?????? ???????"},
    /* 1 */ {
        "Error opening file: ",
        "Błąd przy wczytywaniu pliku: ",
        "Fehler beim Öffnen der Datei: ",
        "Error al abrir el archivo: ",
        "Errore durante l'apertura del file:",
    },
    /* 2 */ {"Error saving", "Błąd zapisu", "Fehler beim Speichern", "Error al guardar", "Errore di salvataggio"},
    /* 3 */ {
        "Critical error - program will be terminated...",
        "Błąd krytyczny - program zostanie zamknięty...",
        "Kritischer Fehler - Programm wird beendet...",
        "Error crítico - programa terminará",
        "Errore critico - il programma sara terminato...",
    },
    /* 4 */ {
        "Exit application (any unsaved data will be lost)?",
        "Zakończyć aplikację (niezapisane dane zostaną utracone)?",
        "Anwendung beenden (ungesicherte Arbeit wird nicht gesichert)?",
        "?Salir del programa (los datos no guardados se perderán)?",
        "Uscita applicazione (i dati non salvati andranno perduti)?",
    },
    /* 5 */ {
        " Image info: size: %s\r\n filename: %s",
        " Info: rozmiar: %s\r\n plik: %s",
        " Bildinformationen: Größe: %s\r\nDateiname: %s",
        " Información de imagen tamano: %s\r\nfilename: %s",
        " Info immagine: size: %s\r\nfilename: %s",
    },
    /* 6 */ {
        "OK. Files saved to: %s",
        "OK. Pliki zapisano w: %s",
        "OK. Dateien gesichert in: %s",
        "OK. Archivos guardados a: %s",
        "OK. File salvati in: %s",
    },
    /* 7 */ {
        "Delete preset?",
        "Skasować gotowca?",
        "Voreinstellungen löschen?",
        "?Borra predeterminado?",
        "Elimina preimpostato?",
    },
    /* 8 */ {},
    /* 9 */ {
        "Display HTML in web browser?",
        "Pokazać HTML w przeglądarce WWW?",
        "Zeige HTML im Browser?",
        "?Desplegar HTML en el navegador WEB?",
        "Visualizza HTML nel browser web?",
    },
    /* 10 */ {
        "Remove from list?",
        "Usunąć z listy?",
        "Von der Liste löschen?",
        "?Remover de la lista?",
        "Rimuovi dal l'elenco?",
    },
}};

const std::array<TLangRow, 11> LangDialogs = {{
    /* 0 */ {
        "Text files (*.txt)|*.txt|All files (*.*)|*.*",
        "Pliki tekstowe (*.txt)|*.txt|Wszystkie pliki (*.*)|*.*",
        "Text-Dateien (*.txt)|*.txt|Alle Dateien (*.*)|*.*",
        "Archivos de texto (*.txt)|*.txt|Todos los archivos (*.*)|*.*",
        "File di testo (*.txt)|*.txt|Tutti i file (*.*)|*.*",
    },
    /* 1 */ {
        "Open captions...",
        "Wczytaj tytuły przycisków...",
        "Knopf-Beschriftung Laden...",
        "Abra texto de botón...",
        "Apri pulsante didascalie...",
    },
    /* 2 */ {
        "Image Files (*.jpg, *.gif, *.bmp, *.png, *.emf, *.wmf)|*.jpg;*.jpe;*.jpeg;*.gif;*.bmp;*.png;*.emf;*.wmf|PNG images (*.png)|*.png|GIF images (*.gif)|*.gif|JPG images (*.jpg;*.jpe;*.jpeg)|*.jpg;*.jpe;*.jpeg|Bitmaps (*.bmp)|*.bmp|Enhanced Metafiles (*.emf)|*.emf|Metafiles (*.wmf)|*.wmf",
        "Pliki graficzne (*.jpg, *.gif, *.bmp, *.png, *.emf, *.wmf)|*.jpg;*.jpe;*.jpeg;*.gif;*.bmp;*.png;*.emf;*.wmf|Pliki PNG (*.png)|*.png|Pliki GIF (*.gif)|*.gif|Pliki JPG (*.jpg;*.jpe;*.jpeg)|*.jpg;*.jpe;*.jpeg|Pliki BMP (*.bmp)|*.bmp|Pliki EMF (*.emf)|*.emf|Pliki WMF (*.wmf)|*.wmf",
        "Bild-Dateien (*.jpg, *.gif, *.bmp, *.png, *.emf, *.wmf)|*.jpg;*.jpe;*.jpeg;*.gif;*.bmp;*.png;*.emf;*.wmf|PNG-Dateien (*.png)|*.png|GIF-Dateien (*.gif)|*.gif|JPG-Dateien (*.jpg;*.jpe;*.jpeg)|*.jpg;*.jpe;*.jpeg|BMP-Dateien (*.bmp)|*.bmp|EMF-Dateien (*.emf)|*.emf|WMF-Dateien (*.wmf)|*.wmf",
        "Los archivos de gráficos (*.jpg, *.gif, *.bmp, *.png, *.emf, *.wmf)|*.jpg;*.jpe;*.jpeg;*.gif;*.bmp;*.png;*.emf;*.wmf|PNG archivos (*.png)|*.png|GIF archivos (*.gif)|*.gif|JPG archivos (*.jpg;*.jpe;*.jpeg)|*.jpg;*.jpe;*.jpeg|BMP archivos (*.bmp)|*.bmp|EMF archivos (*.emf)|*.emf|WMF archivos (*.wmf)|*.wmf",
        "File di immagine (*.jpg, *.gif, *.bmp, *.png, *.emf, *.wmf)|*.jpg;*.jpe;*.jpeg;*.gif;*.bmp;*.png;*.emf;*.wmf|PNG file (*.png)|*.png|GIF file (*.gif)|*.gif|JPG file (*.jpg;*.jpe;*.jpeg)|*.jpg;*.jpe;*.jpeg|BMP file (*.bmp)|*.bmp|EMF file (*.emf)|*.emf|WMF file (*.wmf)|*.wmf",
    },
    /* 3 */ {
        "Open base button image...",
        "Wczytaj bazowy obrazek przycisków...",
        "Knopf-Basisbild Laden...",
        "Abra imagen base...",
        "Apri immagine di base...",
    },
    /* 4 */ {
        "Kestrova files (*.btn)|*.btn|All files (*.*)|*.*",
        "Pliki generatora (*.btn)|*.btn|Wszystkie pliki (*.*)|*.*",
        "Kestrova Dateien (*.btn)|*.btn|Alle Dateien (*.*)|*.*",
        "Archivos de Kestrova (*.btn)|*.btn|Todos los archivos (*.*)|*.*",
        "File de Kestrova (*.btn)|*.btn|Tutti i file (*.*)|*.*",
    },
    /* 5 */ {"Open project...", "Otwórz projekt...", "Projekt laden...", "Cargue proyecto...", "Carica progetto..."},
    /* 6 */ {
        "Save project...",
        "Zapisz projekt...",
        "Projekt speichern...",
        "Guarde proyecto...",
        "Salva progetto...",
    },
    /* 7 */ {
        "Save captions...",
        "Zapisz tytuły przycisków...",
        "Knopf-Beschriftung speichern...",
        "Guarde texto de botón...",
        "Salva pulsante didascalie...",
    },
    /* 8 */ {
        "Image Files (*.jpg, *.gif, *.bmp, *.png)|*.jpg;*.jpe;*.jpeg;*.gif;*.bmp;*.png|PNG images (*.png)|*.png|GIF images (*.gif)|*.gif|JPG images (*.jpg;*.jpe;*.jpeg)|*.jpg;*.jpe;*.jpeg|BMP images (*.bmp)|*.bmp",
        "Pliki graficzne (*.jpg, *.gif, *.bmp, *.png)|*.jpg;*.jpe;*.jpeg;*.gif;*.bmp;*.png|Pliki PNG (*.png)|*.png|Pliki GIF (*.gif)|*.gif|Pliki JPG (*.jpg;*.jpe;*.jpeg)|*.jpg;*.jpe;*.jpeg|Pliki BMP (*.bmp)|*.bmp",
        "Bild-Dateien (*.jpg, *.gif, *.bmp, *.png)|*.jpg;*.jpe;*.jpeg;*.gif;*.bmp;*.png|PNG-Dateien (*.png)|*.png|GIF-Dateien (*.gif)|*.gif|JPG-Dateien (*.jpg;*.jpe;*.jpeg)|*.jpg;*.jpe;*.jpeg|BMP-Dateien (*.bmp)|*.bmp",
        "Los archivos de gráficos (*.jpg, *.gif, *.bmp, *.png)|*.jpg;*.jpe;*.jpeg;*.gif;*.bmp;*.png|PNG archivos (*.png)|*.png|GIF archivos (*.gif)|*.gif|JPG archivos (*.jpg;*.jpe;*.jpeg)|*.jpg;*.jpe;*.jpeg|BMP archivos (*.bmp)|*.bmp",
        "File di immagine (*.jpg, *.gif, *.bmp, *.png)|*.jpg;*.jpe;*.jpeg;*.gif;*.bmp;*.png|PNG file (*.png)|*.png|GIF file (*.gif)|*.gif|JPG file (*.jpg;*.jpe;*.jpeg)|*.jpg;*.jpe;*.jpeg|BMP file (*.bmp)|*.bmp",
    },
    /* 9 */ {
        "Save base image...",
        "Zapisz bazowy obrazek...",
        "Basisbild sichern...",
        "Guarde imagen base...",
        "Salva immagine di base...",
    },
    /* 10 */ {
        "INI files (*.ini)|*.ini|All files (*.*)|*.*",
        "Pliki INI (*.ini)|*.ini|Wszystkie pliki (*.*)|*.*",
        "INI-Dateien (*.ini)|*.ini|Alle Dateien (*.*)|*.*",
        "Archivos INI (*.ini)|*.ini|Todos los archivos (*.*)|*.*",
        "INI (*.ini)|*.ini|Tutti i file (*.*)|*.*",
    },
}};

const std::array<TLangRow, 25> LangMenus = {{
    /* 0 */ {"File", "Plik", "Datei", "Archivo", "File"},
    /* 1 */ {"Load project", "Wczytaj projekt", "Projekt laden", "Cargue proyecto", "Carica progetto"},
    /* 2 */ {"Save project", "Zapisz projekt", "Projekt speichern", "Guarde proyecto", "Salva progetto"},
    /* 3 */ {
        "Save generated buttons",
        "Zapisz wygenerowane przyciski",
        "Generierte Knöpfe sichern",
        "Guarde botones generados",
        "Salva e genera i pulsanti",
    },
    /* 4 */ {
        "Open base image",
        "Wczytaj bazowy obrazek",
        "Oeffnen Basisbild",
        "Abra imagen base",
        "Apri immagine di base",
    },
    /* 5 */ {
        "Save base image",
        "Zapisz bazowy obrazek",
        "Basisbild sichern",
        "Guarde imagen base",
        "Salva immagine di base",
    },
    /* 6 */ {
        "Open button captions",
        "Wczytaj tytuły przycisków",
        "Knopf-Beschriftung Laden",
        "Abra texto de botón",
        "Apri pulsante didascalie",
    },
    /* 7 */ {
        "Save button captions",
        "Zapisz tytuły przycisków",
        "Knopf-Beschriftung speichern",
        "Guarde texto de botón",
        "Salva pulsante didascalie",
    },
    /* 8 */ {"Close", "Zamknij", "Schließen", "Cierre", "Chiudi"},
    /* 9 */ {"Button", "Przycisk", "Knopf", "Botón", "Pulsante"},
    /* 10 */ {"Recreate image", "Utwórz obrazek", "Bild erstellen", "Recree imagen", "Rigenera immagine"},
    /* 11 */ {"Font", "Czcionka", "Schrift", "Fuente", "Carattere"},
    /* 12 */ {"Color", "Kolor", "Farbe", "Color", "Colore"},
    /* 13 */ {
        "Generate output images",
        "Generuj obrazki wynikowe...",
        "Generiere...",
        "Generar la imagen de salida",
        "Genera immagini di uscita",
    },
    /* 14 */ {"Help", "Pomoc", "Hilfe", "Ayuda", "Aiuto"},
    /* 15 */ {"zandrelko.com", "zandrelko.com", "zandrelko.com", "zandrelko.com", "zandrelko.com", "zandrelko.com"},
    /* 16 */ {"About...", "O programie...", "Über...", "Acerca de...", "Informazioni su..."},
    /* 17 */ {"Presets...", "Gotowce...", "Presets", "Predeterminados", "Preimpostazioni"},
    /* 18 */ {"Process image...", "Przetwarzaj obrazek...", "Bild verarbeiten", "Procese imagen", "Usa immagine"},
    /* 19 */ {"Help", "Pomoc", "Hilfe", "Ayuda", "Aiuto"},
    /* 20 */ {"View", "Widok", "Anzeigen", "Ver", "Visualizza"},
    /* 21 */ {
        "Text panel visible",
        "Panel tekstowy widoczny",
        "Text-Panel sichtbar",
        "Ver Panel de Texto",
        "Testo pannello visibile",
    },
    /* 22 */ {"Controls visible", "Kontrolki widoczne", "Controls sichtbar", "Ver Controles", "Controlli visibile"},
    /* 23 */ {"Output visible", "Wynik widoczny", "Ausgang sichtbar", "Ver Salida", "Uscita visibile"},
    /* 24 */ {"PayPal donation", "Darowizna PayPal", "PayPal Spende", "Donativo PayPal", "PayPal donazione"},
}};

}  // namespace kestrova
