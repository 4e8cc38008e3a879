#include "engine/zestaw.h"

// The devices are made in this order: tank, collector, controller, pump, vessel, insulation.
CZestaw::CZestaw()
    : Tank(std::make_unique<CZasobnik>()),
      Collector(std::make_unique<CKolektor>()),
      Controller(std::make_unique<CSterownik>()),
      Pump(std::make_unique<CPompaObiegowa>()),
      Vessel(std::make_unique<CNaczynie>()),
      Insulation(std::make_unique<CIzolacja>()),
      ByKindList(std::make_unique<NameValueList>()),
      ByProducerList(std::make_unique<NameValueList>()) {}
