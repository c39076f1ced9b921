#include "app/KonturmodusTexte.h"

namespace qv::texte {

QString verschiebenHilfeTitel()
{
    return QStringLiteral("Verschieben");
}

// Kept word for word, including the cancel note that promises less than cancel restores.
QString verschiebenHilfeText()
{
    return QStringLiteral(
        "Sie können auf 2 Arten Konturen/Aperturen verschieben.\r\n"
        "1. per Maus :\r\n"
        "   Markieren Sie die Kontur/Apertur durch einen Linksklick mit der\r\n"
        "   Maus und verschieben Sie sie gleichzeitig mit gedrückter linker Maustaste.\r\n"
        "   Beenden Sie die Verschiebung mit der rechten Maustaste.\r\n"
        "2. per Eingabe :\r\n"
        "   Markieren Sie die Kontur/Apertur durch einen Linksklick mit der\r\n"
        "   Maus und geben Sie die Verschiebung in mm ein (Isozentrumsebene).\r\n"
        "   Verwenden Sie die entsprechenden Buttons zum Verschieben.\r\n"
        "Abbrechen :\r\n"
        "   Beim Abbruch werden die Änderungen NUR an den selektierten Konturen/Aperturen    rückgängig gemacht.");
}

QString drehenHilfeTitel()
{
    return QStringLiteral("Drehen");
}

QString drehenHilfeText()
{
    return QStringLiteral("Um eine Kontur/Apertur zu drehen, gehen Sie wie folgt vor :\r\n"
                          "1. Markieren Sie die Kontur/Apertur durch einen \r\n"
                          "   Linksklick mit der Maus. ()\r\n"
                          "2. Geben Sie in das entsprechende Feld einen Winkel ein, um den \r\n"
                          "   Sie die Kontur/Apertur drehen wollen. Die Drehung erfolgt um \r\n"
                          "   das Isozentrum.\r\n"
                          "   CW  (im Uhrzeigersinn) oder\r\n"
                          "   CCW (gegen den Uhrzeigersinn");
}

} // namespace qv::texte
