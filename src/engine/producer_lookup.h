// Producers are found by name: a combo's place of an entry says nothing once the producer
// catalogue has gained, changed or lost a record since the combo was filled.
#pragma once

#include <string>
#include <vector>

#include "engine/catalogue.h"

// The producer list (id, name, web page, description, flag) of the first producer named `name`,
// or null when no producer has that name.
inline const std::vector<std::string>* FindProducer(const CCatalogues& catalogues,
                                                    const std::string& name) {
  for (const std::vector<std::string>& producer : catalogues.ProducerLists)
    if (producer.size() > 1 && producer[1] == name) return &producer;
  return nullptr;
}
