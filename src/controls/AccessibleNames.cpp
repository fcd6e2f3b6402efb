// The accessible names of the three windows, as data.
#include "controls/AccessibleNames.h"

namespace bexalo {
namespace {

enum : unsigned { kInizio = 1, kOperativo1 = 2, kOperativo2 = 4, kEsercizi = kOperativo1 | kOperativo2 };
constexpr int kEveryIndex = -2; // every element of a control array

struct Row {
    unsigned windows;
    const char *control;
    int index;
    const char *name;
    const char *description = "";
};

const Row kRows[] = {
    // Start window: the three steps and their options.
    {kInizio, "Frame1", -1, "Passo 1: direzione"},
    {kInizio, "Frame2", -1, "Passo 2: livello"},
    {kInizio, "Frame3", -1, "Passo 3: azione"},
    {kInizio, "Option1", 0, "Dal grafico all'abaco: scegli la direzione",
     "Vedi i disegni e componi il numero sull'abaco. Invio conferma"},
    {kInizio, "Option1", 1, "Dall'abaco al grafico: scegli la direzione",
     "Vedi il numero sull'abaco e componi i disegni. Invio conferma"},
    {kInizio, "Option2", 0, "Decine e unità: scegli il livello", "Numeri di due cifre. Invio conferma"},
    {kInizio, "Option2", 1, "Centinaia, decine e unità: scegli il livello", "Numeri di tre cifre. Invio conferma"},
    {kInizio, "Option3", 0, "Vai: apri gli esercizi", "Apre la finestra degli esercizi scelti. Invio conferma"},
    {kInizio, "Option3", 1, "Reimposta: ricomincia la scelta", "Torna al primo passo. Invio conferma"},
    {kInizio, "Option3", 2, "Esci: chiudi il programma", "Invio conferma"},

    // Exercise windows: the answer's buttons.
    {kEsercizi, "CmdContaUp", -1, "Aggiungi un'unità"},
    {kEsercizi, "CmdContaUm", -1, "Togli un'unità"},
    {kEsercizi, "CmdContaDap", -1, "Aggiungi una decina"},
    {kEsercizi, "CmdContaDam", -1, "Togli una decina"},
    {kEsercizi, "CmdContaHp", -1, "Aggiungi un centinaio"},
    {kEsercizi, "CmdContaHm", -1, "Togli un centinaio"},
    {kEsercizi, "CmdVerifica", -1, "Verifica la risposta", "Controlla il numero che hai composto"},
    {kEsercizi, "CmdOperazione", -1, "Esercizio successivo", "Passa a un nuovo esercizio"},
    {kEsercizi, "Cmdsi", -1, "Sì, mostrami la risposta giusta"},
    {kEsercizi, "Cmdno", -1, "No, riprovo", "Cancella la risposta per provare ancora. Anche il tasto Esc risponde No"},
    {kOperativo1, "fraAiuto", -1, "Aiuto", "Vuoi vedere la risposta giusta?"},
    {kOperativo2, "frmAiuto", -1, "Aiuto", "Vuoi vedere la risposta giusta?"},

    // What the pupil looks at; the descriptions with the counts follow what is shown.
    {kEsercizi, "Frame3", -1, "Abaco"},
    {kEsercizi, "Frame4", -1, "Colonna delle unità"},
    {kEsercizi, "Frame5", -1, "Colonna delle decine"},
    {kEsercizi, "Frame6", -1, "Colonna delle centinaia"},
    {kEsercizi, "Picture1", kEveryIndex, "Perlina delle unità"},
    {kEsercizi, "Picture11", kEveryIndex, "Perlina delle decine"},
    {kEsercizi, "Picture21", kEveryIndex, "Perlina delle centinaia"},
    {kEsercizi, "ImageU", kEveryIndex, "Un'unità"},
    {kEsercizi, "ImageDA", kEveryIndex, "Una decina"},
    {kEsercizi, "ImageH", kEveryIndex, "Un centinaio"},

    // Values a label shows: the screen reader says the name, then the value.
    {kEsercizi, "LblEsito", -1, "Esito"},
    {kEsercizi, "frmElaborazione", -1, "Statistiche"},
    {kEsercizi, "LblOperazione", -1, "Esercizio numero"},
    {kEsercizi, "lblRisEsatte", -1, "Risposte esatte"},
    {kEsercizi, "lblRisErrate", -1, "Risposte errate"},
    {kEsercizi, "LblTempoParziale", -1, "Tempo parziale in secondi"},
    {kEsercizi, "LblTempoTotale", -1, "Tempo totale in secondi"},
    {kOperativo1, "Label4", -1, "Cifra corretta delle centinaia"},
    {kOperativo1, "Label6", -1, "Cifra corretta delle decine"},
    {kOperativo1, "Label7", -1, "Cifra corretta delle unità"},
};

unsigned windowBit(const QString &window)
{
    if (window == QLatin1String("FrmInizio")) {
        return kInizio;
    }
    if (window == QLatin1String("frmOperativo1")) {
        return kOperativo1;
    }
    if (window == QLatin1String("FrmOperativo2")) {
        return kOperativo2;
    }
    return 0;
}

} // namespace

AccessibleText accessibleText(const QString &window, const QString &name, int index)
{
    const unsigned bit = windowBit(window);
    for (const Row &row : kRows) {
        if ((row.windows & bit) && (row.index == index || row.index == kEveryIndex)
            && name == QLatin1String(row.control)) {
            return {QString::fromUtf8(row.name), QString::fromUtf8(row.description)};
        }
    }
    return {};
}

} // namespace bexalo
