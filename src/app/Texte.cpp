#include "app/Texte.h"

namespace qv::texte {

QString modusWechselFrage()
{
    return QStringLiteral("Alle Änderungen gehen verloren.\rWollen Sie den Modus wirklich wechseln, bzw. neu "
                          "initialisieren?");
}

QString neuInitialisierenFrage()
{
    return QStringLiteral("Alle Änderungen gehen verloren!\rWollen Sie wirklich neu initialisieren?");
}

QString kontureingabeLaeuftNochMeldung()
{
    return QStringLiteral("Sie befinden sich noch in der Kontureingabe.\rBitte beenden Sie vor einem Wechsel des "
                          "Modus die Eingabe.");
}

QString agbMeldung(const QString &homepage)
{
    return QStringLiteral("Unsere AGB entnehmen Sie bitte unserer Homepage ") + homepage + u'.';
}

QString preislisteMeldung(const QString &homepage)
{
    return QStringLiteral("Die Preisliste entnehmen Sie bitte unserer Homepage ") + homepage + u'.';
}

QString ohneBildIsozentrum()
{
    return QStringLiteral("Ohne Bild können Sie kein Isozentrum eingeben.\rBitte laden Sie zunächst ein Bild.");
}

QString isozentrumNeuFrage()
{
    return QStringLiteral("Alle Informationen vom Feld, Konturen und Maßstab gehen verloren!\rWollen Sie das "
                          "Isozentrum wirklich neu eingeben?");
}

QString isozentrumHilfeTitel()
{
    return QStringLiteral("Eingabe Isozentrum");
}

QString isozentrumHilfeText()
{
    return QStringLiteral("Bitte legen Sie das Isozentrum fest.\r\nGehen Sie dazu mit der Maus auf das Isozentrum, "
                          "auf die Feldmittellinien Ihrer Planung, und klicken Sie einmal mit der linken "
                          "Maustaste.\r\nDadurch wird das Isozentrum gesetzt.");
}

QString ohneBildMassstab()
{
    return QStringLiteral("Ohne Bild können Sie keinen Maßstab eingeben.\rBitte laden Sie zunächst ein Bild.");
}

QString massstabHilfeTitel()
{
    return QStringLiteral("Maßstabseingabe");
}

QString massstabHilfeText()
{
    return QStringLiteral(
        "Bitte legen Sie den Maßstab des Bildes fest.\r\nIhr Screenshot ist eine Darstellung in 100 cm.Definieren "
        "Sie mit Hilfe des \"Maßstab Dialoges\" eine Ihnen bekannte Länge. \r\nUm den Fehler dabei klein zu halten, "
        "wählen Sie möglichst einen großen Abstand zur Definition.\r\nZ.B. Skalierung auf dem Achskreuz oder "
        "Feldgrößen.\r\n\r\nGeben Sie die beiden Punkte wie folgt ein:\r\n\r\nLinksklick => ersten Punkt "
        "setzen\r\n\r\nSie können sich die Eingabe vereinfachen, indem Sie mit \r\nShift + Maus => eine waagerechte "
        "Linie und mit \r\nStrg + Maus => eine senkrechte Linie zeichnen.\r\n\r\nDurch den zweiten Klick wird der "
        "Maßstab gesetzt, und Sie können Positionen in der Isozentrumsebene aus der Statusbar (unten) entnehmen.");
}

QString ohneBildFeld()
{
    return QStringLiteral("Ohne Bild können Sie kein Feld eingeben.\rBitte laden Sie zunächst ein Bild.");
}

QString feldHilfeTitel()
{
    return QStringLiteral("Feldeingabe");
}

QString feldHilfeText()
{
    return QStringLiteral(
        "Mit der Feldeingabe versetzen Sie uns in die Lage zu erkennen, welche Körperkanten für Sie extrem wichtig "
        "sind, da sie sich im Bestrahlungsfeld befinden.\r\n\r\nSollten Sie beim Einzeichnen des Feldes z.B. die "
        "\"Konturen\" stören, so können Sie diese durch Klick auf die Glühbirne unsichtbar schalten.\r\n\r\nDie "
        "Feldeingabe starten Sie mit der linken Maustaste in einer Feldecke.\r\nNun ziehen Sie sich ein "
        "rechteckiges Feld auf und beenden die Eingabe durch einen weiteren Linksklick.\r\n\r\nSollte die "
        "Feldeingabe misslungen sein, betätigen Sie erneut den Funktionsbutton \"Feld\". Die Eingabe startet dann "
        "von vorn.\r\n\r\nIn der Statusbar stehen bereits beim Aufziehen die Ausmaße des Feldes");
}

QString ohneBildKonturen()
{
    return QStringLiteral("Ohne Bild können Sie keine Konturen eingeben.\rBitte laden Sie zunächst ein Bild.");
}

QString konturNichtGeschlossenFrage()
{
    return QStringLiteral("Die letzte Kontur ist noch nicht geschlossen.\rSoll die Kontur geschlossen werden, oder "
                          "wollen Sie\rweiter eingeben?\rKontur schließen (Ja) - weiter eingeben (Nein)");
}

QString konturHilfeTitel()
{
    return QStringLiteral("Kontureingabe");
}

QString konturHilfeText()
{
    return QStringLiteral(
        "Sollte Sie beim Einzeichnen Ihrer Blöcke z.B. die \"Maßstabsstrecke\" stören, so können Sie diese durch "
        "Klick auf die Glühbirne unsichtbar schalten.\r\n\r\nDas Abzeichnen der Vorlage beginnen Sie mit der linken "
        "Maustaste. Sie können Einzelpunkte anklicken oder mit gedrückter linker Maustaste einen Linienzug "
        "erstellen.\r\nAuf diese Art können Sie Ihre Konturen bzw. Ihre Apertur nachzeichnen.\r\n\r\nMit gedrückter "
        "\"Strg Taste\" erzwingen Sie dabei eine senkrechte Linie, und\r\nmit gedrückter \"Shift Taste\" erzwingen "
        "Sie eine waagerechte Linie.\r\n\r\nFehleingaben lassen sich mit dem Undo-Button rückgängig machen, mit dem "
        "Gegenstück dem Redo-Button läßt sich das revidieren.\r\n\r\nMit der rechten Maustaste wird die Kontur "
        "geschlossen. Eine weiterer Klick oder der Klick auf den \"Eing. fertig\" Button beendet die "
        "Eingabe.\r\n\r\nMit Klick auf die entsprechenden Kontur Buttons können Sie Konturen auswählen und Eingaben "
        "rückgängig machen.\r\nMit dem X-Button auf diesen haben Sie die Möglichkeit, die Kontur zu löschen.");
}

QString eingabeBeenden()
{
    return QStringLiteral("Eingabe beenden");
}

} // namespace qv::texte
