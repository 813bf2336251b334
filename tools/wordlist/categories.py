NAMES = []
def build(src, freq, cuts, log):
    return []
