// Keeps the engine library buildable while it has no other sources.
