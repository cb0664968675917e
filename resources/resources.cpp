// The library holds only compiled resources: the translations and the pictures.
