// R&D
