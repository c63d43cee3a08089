// Placeholder until the expression engine lands.
#pragma once
