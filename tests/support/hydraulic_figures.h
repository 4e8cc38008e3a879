// What a design holds and the fittings window shows when no "PRZELICZ" was made for the design
// as it is: no hydraulic figure, in Engine or on the window (an empty edit, as before the first).
#pragma once

#include <gtest/gtest.h>

#include <QLineEdit>

#include "economics/Armatura.h"
#include "engine/vindargast2.h"

inline void ExpectNoHydraulicFigures(TWinArmatura& window) {
  const CFittings& a = Engine.Armatura;
  EXPECT_EQ(Engine.HydraulicsComputed, 0);
  for (float figure : {Engine.InstallationPressureDrop, a.TotalPressureDrop, a.PumpHead, a.PumpFlow,
                       a.VesselVolume, a.CollectorWaterVolume, a.ExchangerWaterVolume,
                       a.PipeWaterVolume, a.TotalWaterVolume})
    EXPECT_EQ(figure, 0.0f);
  Ui::TWinArmatura& w = window.ui();
  for (QLineEdit* shown : {w.ESumaStratCisnienia, w.EWysokoscPodnoszenia, w.EWydajnoscPompy,
                           w.EPojemnoscWlasciwa, w.EPojemnoscWodnaWymiennika,
                           w.EPojemnoscWodnaKolektora, w.ECalkowitaPojWodna, w.EPojemnoscWodnaRur})
    EXPECT_EQ(shown->text(), "") << shown->objectName().toStdString();
}
