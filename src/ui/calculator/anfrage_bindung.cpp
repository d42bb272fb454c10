#include "ui/calculator/anfrage_bindung.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>
#include <QSignalBlocker>

#include <algorithm>
#include <map>

#include "calc/anzeige.h"
#include "calc/bundesland.h"
#include "calc/satzeingabe.h"
#include "calc/sozialversicherung.h"
#include "common/qt/edit_cs.h"
#include "ui/calculator/eingabe_maske.h"
#include "ui/calculator/feld_hinweise.h"

namespace lst {

namespace {

// Days per pay period, by the index of the pay-period list.
constexpr int kTageProZeitraum[4] = {360, 30, 7, 1};

// A typed amount with two decimals and without thousands separators.
QString Fixiert2(double x) {
  QLocale ort;
  ort.setNumberOptions(QLocale::OmitGroupSeparator);
  return ort.toString(x, 'f', 2);
}

int Index(const QComboBox* c) { return std::max(c->currentIndex(), 0); }

}  // namespace

TAnfrageBindung::TAnfrageBindung(const TEingabeFelder& f) : f_(f) {
  const auto betrag = [this](TEditCS* e, TFeld feld, std::int64_t TAnfrage::*ziel, bool proZeitraum) {
    TBindung b;
    b.Feld = feld;
    b.Steuer = e;
    b.Betrag = e;
    b.ProZeitraum = proZeitraum;
    b.Lesen = [this, e, ziel](TAnfrage& a) { a.*ziel = e->isEnabled() ? Cent(e) : 0; };
    return b;
  };

  // ---- pay period and wage ----
  {
    TBindung b;
    b.Feld = TFeld::Zeitraum;
    b.Steuer = f.CBLZZ;
    b.Lesen = [&f](TAnfrage& a) { a.LZZ = static_cast<std::uint8_t>(Index(f.CBLZZ) + 1); };
    Binden(b);
  }
  {
    TBindung b = betrag(f.ELohn, TFeld::Brutto, &TAnfrage::Brutto, true);
    // A wage that does not fit the employment shows on its boxes.
    b.Markiert = {f.CBGF, f.CBprivHH};
    b.Schreiben = [this, &f](const TAnfrage& a) {
      f.ELohn->setText(TEditCS::ZahlAlsText(static_cast<double>(AnzeigeCent(u_.P->Jahr, u_.Euro, a.Brutto)) / 100));
    };
    Binden(b);
  }

  // ---- wage tax ----
  {
    TBindung b;
    b.Feld = TFeld::Steuerklasse;
    b.Steuer = f.CBStKl;
    b.Lesen = [&f](TAnfrage& a) { a.STKL = static_cast<std::uint8_t>(Index(f.CBStKl) + 1); };
    Binden(b);
  }
  {
    TBindung b;
    b.Feld = TFeld::Kinderfreibetraege;
    b.Steuer = f.E_ZKF;
    b.Lesen = [&f](TAnfrage& a) {
      const double zkf = f.E_ZKF->isEnabled() ? f.E_ZKF->AsFloat() : 0;
      a.ZKF = zkf >= 0 && zkf <= 99 ? static_cast<float>(zkf) : 0;
    };
    b.Leeren = [&f] { f.E_ZKF->clear(); };
    Binden(b);
  }
  {
    // Child benefit: the core's for the child allowances; the (hidden)
    // field shows it.
    TBindung b;
    b.Feld = TFeld::Kindergeld;
    b.Steuer = f.EKindergeld;
    b.Betrag = f.EKindergeld;
    b.ProZeitraum = true;
    b.Leeren = [&f] { f.EKindergeld->clear(); };
    Binden(b);
  }
  {
    TBindung b;
    b.Steuer = f.CBR;
    b.Lesen = [&f](TAnfrage& a) { a.Bekenntnislos = f.CBR->isChecked(); };
    Binden(b);
  }
  {
    TBindung b;
    b.Feld = TFeld::Kirchensteuer;
    b.Steuer = f.cbKirchenSt;
    b.Markiert = {f.cbKirchenSt->lineEdit()};
    // A rate the command line would refuse turns the field red; the usual
    // rate applies.
    b.Lesen = [this, &f](TAnfrage& a) {
      a.KiStSatz = kKirchensteuerVorgabe / 100;
      if (!f.cbKirchenSt->isEnabled()) return;
      std::string regel;
      if (const auto satz = SatzLesen(f.cbKirchenSt->currentText().toStdString(), TSatzArt::Kirchensteuer, &regel))
        a.KiStSatz = *satz / 100;
      else
        u_.Meldungen->emplace_back(f.cbKirchenSt->lineEdit(), QString::fromStdString(regel));
    };
    Binden(b);
  }
  {
    TBindung b;
    b.Feld = TFeld::Faktor;
    b.Steuer = f.cbAF;
    b.Name = QStringLiteral("Faktor");
    b.Markiert = {f.edFaktor};
    b.Unterfeld = f.edFaktor;
    b.Schalter = f.cbAF;
    b.Lesen = [&f](TAnfrage& a) {
      if (f.cbAF->isEnabled() && f.cbAF->isChecked()) a.Faktor = f.edFaktor->AsFloat();
    };
    b.Leeren = [&f] {
      f.cbAF->setChecked(false);
      if (f.edFaktor->text() != QLatin1String("1,0")) f.edFaktor->setText(QStringLiteral("1,0"));
    };
    Binden(b);
  }
  {
    TBindung b = betrag(f.EFreibetrag, TFeld::Freibetrag, &TAnfrage::Freibetrag, true);
    b.Leeren = [&f] { f.EFreibetrag->clear(); };
    Binden(b);
  }
  Binden(betrag(f.EHinzuR, TFeld::Hinzurechnung, &TAnfrage::Hinzurechnung, true));
  Binden(betrag(f.EVersBez, TFeld::Versorgungsbezug, &TAnfrage::VBEZ, true));
  Binden(betrag(f.EVBezM, TFeld::VersorgungMonat, &TAnfrage::VBEZM, false));
  Binden(betrag(f.EVBezS, TFeld::VersorgungSonder, &TAnfrage::VBEZS, false));
  {
    TBindung b;
    b.Feld = TFeld::Versorgungsmonate;
    b.Steuer = f.EZMVB;
    b.Lesen = [&f](TAnfrage& a) {
      if (f.EZMVB->isEnabled()) a.ZMVB = static_cast<std::uint8_t>(std::clamp(f.EZMVB->AsInteger(), 0, 99));
    };
    Binden(b);
  }
  {
    TBindung b;
    b.Feld = TFeld::Versorgungsbeginn;
    b.Steuer = f.edVJahr;
    b.Lesen = [&f](TAnfrage& a) { a.VJAHR = std::clamp(f.edVJahr->AsInteger(), 0, 9999); };
    Binden(b);
  }
  Binden(betrag(f.edSterbe, TFeld::Sterbegeld, &TAnfrage::STERBE, false));
  {
    TBindung b;
    b.Feld = TFeld::Altersentlastung;
    b.Steuer = f.CBAlter;
    b.Markiert = {f.edAJahr};
    b.Unterfeld = f.edAJahr;
    b.Schalter = f.CBAlter;
    b.Lesen = [&f](TAnfrage& a) {
      if (f.CBAlter->isChecked()) a.Altersentlastung = std::clamp(f.edAJahr->AsInteger(), 0, 9999);
    };
    Binden(b);
  }
  {
    TBindung b;
    b.Feld = TFeld::BesondereTabelle;
    b.Steuer = f.rbBesTab;
    b.Lesen = [&f](TAnfrage& a) { a.BesondereTabelle = f.rbBesTab->isChecked(); };
    b.Schreiben = [&f](const TAnfrage& a) {
      (a.BesondereTabelle ? f.rbBesTab : f.rbAllgTab)->setChecked(true);
      f.cbTabArt->setCurrentIndex(a.BesondereTabelle ? 1 : 0);
    };
    Binden(b);
  }

  {
    TBindung b;
    b.Feld = TFeld::Aktivrente;
    b.Steuer = f.CBAktivrente;
    b.Lesen = [&f](TAnfrage& a) { a.Aktivrente = f.CBAktivrente->isEnabled() && f.CBAktivrente->isChecked(); };
    // Not ticked where it does not apply: a greyed tick would look in force.
    b.Leeren = [&f] { f.CBAktivrente->setChecked(false); };
    Binden(b);
  }
  {
    // The state: the core's church-tax rate, region and Saxony are written
    // into their controls when a state is chosen; a rate typed afterwards
    // is the one read (the window's rate is always a stated one).
    TBindung b;
    b.Feld = TFeld::Bundesland;
    b.Steuer = f.CBBundesland;
    b.Lesen = [&f](TAnfrage& a) {
      const int i = f.CBBundesland->currentIndex();
      if (i > 0 && i <= static_cast<int>(Bundeslaender().size())) a.Bundesland = Bundeslaender()[i - 1].Land;
    };
    b.Schreiben = [&f](const TAnfrage& a) {
      int i = 0;
      if (a.Bundesland) {
        for (std::size_t k = 0; k < Bundeslaender().size(); ++k)
          if (Bundeslaender()[k].Land == *a.Bundesland) i = static_cast<int>(k) + 1;
      }
      f.CBBundesland->setCurrentIndex(i);
      if (!a.Bundesland) return;
      f.RGOstWestGruppe->button(a.Region == rgOst ? 0 : 1)->setChecked(true);
      f.cbSachsen->setChecked(a.Sachsen);
      f.cbKirchenSt->setEditText(QLocale().toString(a.KiStSatz * 100, 'g', 4));
    };
    Binden(b);
  }

  // ---- social insurance ----
  {
    TBindung b;
    b.Feld = TFeld::Region;
    b.Steuer = f.RGOstWest;
    b.Name = QStringLiteral("Region");
    b.Lesen = [&f](TAnfrage& a) {
      a.Region = static_cast<std::uint8_t>(std::max(f.RGOstWestGruppe->checkedId(), 0));
    };
    Binden(b);
  }
  {
    TBindung b;
    b.Feld = TFeld::Sachsen;
    b.Steuer = f.cbSachsen;
    // Disabled where the state decides: then it shows the state's.
    b.Lesen = [&f](TAnfrage& a) {
      a.Sachsen = f.cbSachsen->isChecked() && (f.cbSachsen->isEnabled() || f.CBBundesland->currentIndex() > 0);
    };
    Binden(b);
  }
  for (QCheckBox* kasten : {f.CBGF, f.CBprivHH}) {
    TBindung b;
    const int art = kasten == f.CBGF ? beGF : beHH;
    b.Feld = kasten == f.CBGF ? TFeld::Minijob : TFeld::Haushalt;
    b.Steuer = kasten;
    b.Lesen = [kasten, art](TAnfrage& a) {
      if (kasten->isChecked() && a.Beschaeftigung == beNV) a.Beschaeftigung = art;
    };
    b.Schreiben = [kasten, art](const TAnfrage& a) { kasten->setChecked(a.Beschaeftigung == art); };
    Binden(b);
  }
  {
    TBindung b;
    b.Feld = TFeld::Aufstockung;
    b.Steuer = f.CBAufst;
    b.Lesen = [&f](TAnfrage& a) { a.Aufstockung = f.CBAufst->isEnabled() && f.CBAufst->isChecked(); };
    b.Schreiben = [&f](const TAnfrage& a) { f.CBAufst->setChecked(a.Aufstockung); };
    Binden(b);
  }
  {
    // The flat-rate tax of a minijob at the year's rate (the rates' field).
    TBindung b;
    b.Feld = TFeld::Pauschsteuer;
    b.Steuer = f.CBPauschSt;
    b.Mit = {f.EPauschSt};
    b.Lesen = [this, &f](TAnfrage& a) {
      if (f.CBPauschSt->isEnabled() && f.CBPauschSt->isChecked()) a.PauschSatz = u_.P->PauschSatz;
    };
    Binden(b);
  }
  {
    TBindung b;
    b.Feld = TFeld::Gleitzone;
    b.Steuer = f.CBGleitZ;
    b.Lesen = [&f](TAnfrage& a) { a.Gleitzone = f.CBGleitZ->isEnabled() && f.CBGleitZ->isChecked(); };
    b.Leeren = [&f] { f.CBGleitZ->setChecked(false); };
    Binden(b);
  }
  {
    TBindung b;
    b.Feld = TFeld::RVVerzicht;
    b.Steuer = f.CBRV_Verzicht;
    b.AuchVon = {TFeld::Gleitzone};
    b.Lesen = [&f](TAnfrage& a) { a.RVVerzicht = f.CBRV_Verzicht->isEnabled() && f.CBRV_Verzicht->isChecked(); };
    b.Leeren = [&f] { f.CBRV_Verzicht->setChecked(false); };
    Binden(b);
  }
  {
    // Private insurance: the box, and the monthly premium beside it.
    TBindung b;
    b.Feld = TFeld::Privat;
    b.Steuer = f.cbPriv;
    b.Markiert = {f.EPVWert};
    b.Unterfeld = f.EPVWert;
    b.Schalter = f.cbPriv;
    b.Lesen = [&f](TAnfrage& a) {
      a.Privat = f.cbPriv->isChecked();
      if (a.Privat) a.PrivatBeitrag = std::max<std::int64_t>(f.EPVWert->AsCents(), 0);
    };
    b.Schreiben = [&f](const TAnfrage& a) { f.cbPriv->setChecked(a.Privat); };
    Binden(b);
  }
  {
    TBindung b;
    b.Feld = TFeld::PrivatPV;
    b.Steuer = f.EPVWertPV;
    b.Mit = {f.LPVWertPV};
    b.Lesen = [&f](TAnfrage& a) {
      if (f.EPVWertPV->isEnabled() && !f.EPVWertPV->text().trimmed().isEmpty())
        a.PrivatBeitragPV = std::max<std::int64_t>(f.EPVWertPV->AsCents(), 0);
    };
    Binden(b);
  }
  {
    TBindung b;
    b.Feld = TFeld::AGZuschuss;
    b.Steuer = f.RGprivTyp;
    b.Lesen = [&f](TAnfrage& a) { a.AGZuschuss = f.RGprivTyp->isEnabled() && f.RGprivTypGruppe->checkedId() == 0; };
    Binden(b);
  }
  {
    TBindung b;
    b.Feld = TFeld::KVZuschlag;
    b.Steuer = f.cbKV2;
    b.FreigabeAusSaetzen = true;
    b.Lesen = [&f](TAnfrage& a) { a.KVZuschlag = f.cbKV2->isChecked(); };
    Binden(b);
  }
  {
    TBindung b;
    b.Feld = TFeld::PVZuschlag;
    b.Steuer = f.cbPV2;
    b.FreigabeAusSaetzen = true;
    b.Lesen = [&f](TAnfrage& a) { a.PVZuschlag = f.cbPV2->isChecked(); };
    Binden(b);
  }
  {
    // Children under 25: from the second to the fifth a discount.
    TBindung b;
    b.Feld = TFeld::PVAbschlaege;
    b.Steuer = f.E_KinderU25;
    b.Mit = {f.LKinderU25};
    b.Lesen = [&f](TAnfrage& a) {
      if (f.E_KinderU25->isEnabled()) a.PVAbschlaege = std::clamp(f.E_KinderU25->AsInteger() - 1, 0, 4);
    };
    b.Leeren = [&f] { f.E_KinderU25->clear(); };
    Binden(b);
  }
  for (TEditCS* feld : {f.EU1Proz, f.EU2Proz}) {
    // The levies of a minijob, where they differ from the minijob office's
    // (those of normal employment are the stored rates, saetze.h).
    TBindung b;
    const bool u1 = feld == f.EU1Proz;
    b.Feld = u1 ? TFeld::U1 : TFeld::U2;
    b.Steuer = feld;
    b.Lesen = [this, feld, u1](TAnfrage& a) {
      if (!feld->isEnabled() || a.Beschaeftigung == beNV) return;
      const auto satz = SatzLesen(feld->text().toStdString(), TSatzArt::Umlage);
      const double vorgabe = std::max(u1 ? u_.P->Periode.U1GF : u_.P->Periode.U2GF, 0.0);
      if (satz && *satz != vorgabe) (u1 ? a.U1 : a.U2) = *satz / 100;
    };
    b.Leeren = [feld] { feld->clear(); };
    Binden(b);
  }
  {
    TBindung b;
    b.Feld = TFeld::Beitragsgruppe;
    b.Steuer = f.EBeitragsgruppe;
    b.Mit = {f.LBeitragsgruppe};
    b.Lesen = [this, &f](TAnfrage& a) {
      if (f.EBeitragsgruppe->isEnabled()) a.Beitragsgruppe = Gruppe;
    };
    b.Leeren = [this, &f] {
      Gruppe.reset();
      GruppeMeldung.clear();
      f.EBeitragsgruppe->clear();
    };
    Binden(b);
  }
  Binden(betrag(f.EZusBetrag, TFeld::SonstigeAbzuege, &TAnfrage::SonstigeAbzuege, true));
  {
    TBindung b;
    b.Steuer = f.EZusText;
    b.Lesen = [&f](TAnfrage& a) { a.SonstigeBezeichnung = f.EZusText->text().toStdString(); };
    Binden(b);
  }
  {
    // The care rates of Saxony as they stand in the care fields (the
    // period's shift unless typed over); a refused one gives the period's.
    TBindung b;
    b.Steuer = f.EPVANProz;
    b.FreigabeAusSaetzen = true;
    b.Lesen = [&f](TAnfrage& a) {
      if (!a.Sachsen || a.Region != rgOst || !f.EPVANProz->isEnabled()) return;
      const auto an = SatzLesen(f.EPVANProz->text().toStdString(), TSatzArt::Beitrag);
      const auto ag = SatzLesen(f.EPVAGProz->text().toStdString(), TSatzArt::Beitrag);
      if (an && ag) a.SachsenPV = TSatzPaar{*an / 100, *ag / 100};
    };
    Binden(b);
  }

  // ---- pay beside the regular wage ----
  Binden(betrag(f.ESonstBezug, TFeld::SonstigerBezug, &TAnfrage::SonstigerBezug, false));
  // An amount the core has a default for: an empty field states none.  The
  // previous year's amounts are of the previous year's currency.
  const auto vielleicht = [this](TEditCS* e, TFeld feld, std::optional<std::int64_t> TAnfrage::*ziel,
                                 bool vorjahr) {
    TBindung b;
    b.Feld = feld;
    b.Steuer = e;
    b.Betrag = e;
    b.Lesen = [this, e, ziel, vorjahr](TAnfrage& a) {
      if (!e->isEnabled() || e->text().trimmed().isEmpty()) return;
      a.*ziel = Cent(e, vorjahr ? u_.P->Jahr - 1 : u_.P->Jahr);
    };
    return b;
  };
  Binden(vielleicht(f.EJahresLohn, TFeld::Jahresarbeitslohn, &TAnfrage::Jahresarbeitslohn, false));
  Binden(betrag(f.EBisherSonstBez, TFeld::BisherigeSonstigeBezuege, &TAnfrage::BisherigeSonstigeBezuege, false));
  {
    TBindung b;
    b.Feld = TFeld::SVTage;
    b.Steuer = f.ESVTage;
    b.Lesen = [&f](TAnfrage& a) {
      if (f.ESVTage->isEnabled() && !f.ESVTage->text().trimmed().isEmpty()) a.SVTage = f.ESVTage->AsInteger();
    };
    Binden(b);
  }
  Binden(vielleicht(f.ESVEntgeltKV, TFeld::SVEntgeltBisherKV, &TAnfrage::SVEntgeltBisherKV, false));
  Binden(vielleicht(f.ESVEntgeltRV, TFeld::SVEntgeltBisherRV, &TAnfrage::SVEntgeltBisherRV, false));
  {
    TBindung b;
    b.Feld = TFeld::VorjahrSVTage;
    b.Steuer = f.EVorjahrSVTage;
    b.Lesen = [&f](TAnfrage& a) {
      if (f.EVorjahrSVTage->isEnabled() && !f.EVorjahrSVTage->text().trimmed().isEmpty())
        a.VorjahrSVTage = f.EVorjahrSVTage->AsInteger();
    };
    Binden(b);
  }
  Binden(vielleicht(f.EVorjahrSVEntgeltKV, TFeld::VorjahrSVEntgeltKV, &TAnfrage::VorjahrSVEntgeltKV, true));
  Binden(vielleicht(f.EVorjahrSVEntgeltRV, TFeld::VorjahrSVEntgeltRV, &TAnfrage::VorjahrSVEntgeltRV, true));
  {
    // The previous year's add-on rate, read as the command line reads it; a
    // refused one turns the field red and the previous year's average
    // applies.
    TBindung b;
    b.Feld = TFeld::VorjahrKVZusatz;
    b.Steuer = f.EVorjahrKVZusatz;
    b.Lesen = [this, &f](TAnfrage& a) {
      const QString text = f.EVorjahrKVZusatz->text().trimmed();
      if (!f.EVorjahrKVZusatz->isEnabled() || text.isEmpty()) return;
      std::string regel;
      if (const auto satz = SatzLesen(text.toStdString(), TSatzArt::Zusatzbeitrag, &regel))
        a.VorjahrKVZusatz = *satz;
      else
        u_.Meldungen->emplace_back(f.EVorjahrKVZusatz, QString::fromStdString(regel));
    };
    Binden(b);
  }
  Binden(betrag(f.EAbfindung, TFeld::Abfindung, &TAnfrage::Abfindung, false));
  {
    TBindung b;
    b.Feld = TFeld::Fuenftelregelung;
    b.Steuer = f.cbFuenftel;
    b.Lesen = [&f](TAnfrage& a) { a.Fuenftelregelung = f.cbFuenftel->isEnabled() && f.cbFuenftel->isChecked(); };
    Binden(b);
  }
  Binden(betrag(f.EDienstwagen, TFeld::DienstwagenListenpreis, &TAnfrage::DienstwagenListenpreis, false));
  {
    TBindung b;
    b.Feld = TFeld::DienstwagenKm;
    b.Steuer = f.EDienstwagenKm;
    b.Lesen = [&f](TAnfrage& a) {
      if (f.EDienstwagenKm->isEnabled()) a.DienstwagenKm = std::max(f.EDienstwagenKm->AsInteger(), 0);
    };
    Binden(b);
  }
  {
    // The first item is the core's default (the whole list price).
    TBindung b;
    b.Feld = TFeld::DienstwagenSatz;
    b.Steuer = f.CBDienstwagenSatz;
    b.Lesen = [&f](TAnfrage& a) {
      if (f.CBDienstwagenSatz->isEnabled() && f.CBDienstwagenSatz->currentIndex() > 0)
        a.DienstwagenSatz = f.CBDienstwagenSatz->currentData().toDouble();
    };
    Binden(b);
  }
  Binden(betrag(f.ESachbezug, TFeld::Sachbezug, &TAnfrage::Sachbezug, true));
  Binden(betrag(f.ESteuerfrei, TFeld::Steuerfrei, &TAnfrage::Steuerfrei, true));
  Binden(betrag(f.EEntgeltumw, TFeld::Entgeltumwandlung, &TAnfrage::Entgeltumwandlung, true));
  Binden(betrag(f.EVWLAG, TFeld::VWLAG, &TAnfrage::VWLAG, true));
  Binden(betrag(f.EVWLSpar, TFeld::VWLSparbetrag, &TAnfrage::VWLSparbetrag, true));
  // The captions of the tab go with their fields.
  for (TBindung& b : bindungen_) {
    for (const auto& [feld, beschriftung] : f.EinmalBeschriftungen)
      if (b.Steuer == feld) b.Mit.push_back(beschriftung);
  }

  // Every control a message can stand on: those of the table and the rates.
  for (const TBindung& b : bindungen_) {
    if (b.Markiert.empty()) {
      markierbar_.push_back(b.Steuer);
    } else {
      for (QWidget* w : b.Markiert) markierbar_.push_back(w);
    }
  }
  for (QWidget* w : std::initializer_list<QWidget*>{f.EKVANProz, f.EKVAGProz, f.EKV2ANProz, f.ERVANProz, f.ERVAGProz,
                                                   f.EAufProz, f.EAVANProz, f.EAVAGProz, f.EPVAGProz, f.ePV2ANProz,
                                                   f.EPauschSt})
    markierbar_.push_back(w);
  std::sort(markierbar_.begin(), markierbar_.end());
  markierbar_.erase(std::unique(markierbar_.begin(), markierbar_.end()), markierbar_.end());
}

std::int64_t TAnfrageBindung::Cent(const TEditCS* e) const { return Cent(e, u_.P->Jahr); }

std::int64_t TAnfrageBindung::Cent(const TEditCS* e, int jahr) const {
  // Amounts of the pay are never negative; pasted text with a sign reads 0.
  const double x = e->AsFloat();
  return x > 0 ? InCent(jahr, u_.Euro, x) : 0;
}

TAnfrage TAnfrageBindung::Sammeln(const TParameter& p, bool euro, TMeldungen& meldungen) const {
  u_ = {&p, euro, &meldungen};
  TAnfrage a;
  for (const TBindung& b : bindungen_)
    if (b.Lesen) b.Lesen(a);
  return a;
}

void TAnfrageBindung::Schreiben(const TAnfrage& a, const TParameter& p, bool euro,
                                std::initializer_list<TFeld> felder) const {
  u_.P = &p;
  u_.Euro = euro;
  for (const TBindung& b : bindungen_) {
    if (!b.Schreiben || !b.Feld || std::find(felder.begin(), felder.end(), *b.Feld) == felder.end()) continue;
    const QSignalBlocker sperre(b.Steuer);
    const QSignalBlocker tabelle(f_.cbTabArt);
    const QSignalBlocker allgemein(f_.rbAllgTab);
    b.Schreiben(a);
  }
}

bool TAnfrageBindung::Freigeben(const TParameter& p, const TAnfrage& a) const {
  bool geaendert = false;
  const auto setzen = [&](QWidget* w, bool an) {
    if (w->isEnabled() == an) return;
    w->setEnabled(an);
    geaendert = true;
  };
  gruende_.resize(bindungen_.size());
  for (std::size_t i = 0; i < bindungen_.size(); ++i) {
    const TBindung& b = bindungen_[i];
    if (!b.Feld || b.FreigabeAusSaetzen) continue;
    std::string grund = NichtVerfuegbar(p, a, *b.Feld);
    for (const TFeld f : b.AuchVon)
      if (grund.empty()) grund = NichtVerfuegbar(p, a, f);
    const bool an = grund.empty();
    setzen(b.Steuer, an);
    for (QWidget* w : b.Mit) setzen(w, an);
    if (b.Unterfeld) setzen(b.Unterfeld, an && b.Schalter->isChecked());
    if (!an && b.Leeren) b.Leeren();
    if (!an) {
      grund.push_back('|');
      grund += std::to_string(p.Jahr * 100 + p.Monat);
    }
    if (grund != gruende_[i]) {
      hinweis::Grund(b.Steuer, an ? QString() : Text(grund.substr(0, grund.rfind('|')), p, true));
      gruende_[i] = std::move(grund);
    }
  }
  return geaendert;
}

void TAnfrageBindung::Markieren(const std::vector<TBefund>& befunde, const TMeldungen& meldungen,
                                const TParameter& p, bool euro) const {
  std::map<QWidget*, QString> texte;
  const auto dazu = [&](QWidget* w, const QString& text) {
    QString& t = texte[w];
    if (!t.isEmpty()) t += QLatin1Char('\n');
    t += text;
  };
  for (const auto& [w, text] : meldungen) dazu(w, text);
  if (!GruppeMeldung.isEmpty()) dazu(f_.EBeitragsgruppe, GruppeMeldung);
  for (const TBefund& befund : befunde) {
    for (const TBindung& b : bindungen_) {
      if (b.Feld != befund.Feld) continue;
      const QString text = Text(befund.Meldung, p, euro);
      if (b.Markiert.empty()) {
        dazu(b.Steuer, text);
      } else {
        for (QWidget* w : b.Markiert) dazu(w, text);
      }
      break;
    }
  }
  for (QWidget* w : markierbar_) {
    const auto it = texte.find(w);
    hinweis::Meldung(w, it == texte.end() ? QString() : it->second);
  }
}

QWidget* TAnfrageBindung::Steuerelement(TFeld f) const {
  for (const TBindung& b : bindungen_)
    if (b.Feld == f) return b.Steuer;
  return nullptr;
}

std::string TAnfrageBindung::Name(TFeld f) const {
  for (const TBindung& b : bindungen_) {
    if (b.Feld != f) continue;
    return (b.Name.isEmpty() ? b.Steuer->accessibleName() : b.Name).toStdString();
  }
  switch (f) {
    case TFeld::Jahr: return "Steuerjahr";
    case TFeld::Monat: return "Monat";
    case TFeld::KVZusatz: return f_.EKV2ANProz->accessibleName().toStdString();
    default: return FeldKennung(f);
  }
}

QString TAnfrageBindung::Text(std::string_view meldung, const TParameter& p, bool euro) const {
  if (meldung.empty()) return {};
  const QString symbol = QString::fromLatin1(Waehrungszeichen(euro));
  return QString::fromStdString(BefundText(
      meldung, [this](TFeld f) { return Name(f); },
      [&](std::int64_t cent) {
        return QLocale()
            .toCurrencyString(static_cast<double>(AnzeigeCent(p.Jahr, euro, cent)) / 100, symbol, 2)
            .toStdString();
      }));
}

void TAnfrageBindung::BetraegeUmrechnen(double faktor) const {
  for (const TBindung& b : bindungen_) {
    if (b.Betrag == nullptr || b.Betrag->text().trimmed().isEmpty()) continue;
    const QSignalBlocker sperre(b.Betrag);
    b.Betrag->setText(Fixiert2(b.Betrag->AsFloat() * faktor));
  }
}

void TAnfrageBindung::ZeitraumUmrechnen(int von, int nach) const {
  von = std::clamp(von, 0, 3);
  nach = std::clamp(nach, 0, 3);
  for (const TBindung& b : bindungen_) {
    if (b.Betrag == nullptr || !b.ProZeitraum || b.Betrag->text().isEmpty()) continue;
    const QSignalBlocker sperre(b.Betrag);
    b.Betrag->setText(Fixiert2(b.Betrag->AsFloat() / kTageProZeitraum[von] * kTageProZeitraum[nach]));
  }
}

}  // namespace lst
